<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>varnel::CalibrationDialog</name>
    <message>
        <source>Printer Scale Calibration</source>
        <translation>Étalonnage de l&apos;échelle de l&apos;imprimante</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>Print File, Print..., Calibration Page on this printer, measure each ruler with a steel rule from its first tick to its last, and enter the lengths (in %1).</source>
        <translation>Imprimez Fichier, Imprimer..., Page d&apos;étalonnage sur cette imprimante, mesurez chaque règle avec un réglet d&apos;acier de son premier trait à son dernier, et saisissez les longueurs (en %1).</translation>
    </message>
    <message>
        <source>Measured Horizontal Ruler</source>
        <translation>Règle horizontale mesurée</translation>
    </message>
    <message>
        <source>Measured Vertical Ruler</source>
        <translation>Règle verticale mesurée</translation>
    </message>
    <message>
        <source>Measured &amp;horizontal ruler (%1):</source>
        <translation>Règle &amp;horizontale mesurée (%1) :</translation>
    </message>
    <message>
        <source>Measured &amp;vertical ruler (%1):</source>
        <translation>Règle &amp;verticale mesurée (%1) :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>varnel::CheckWindow</name>
    <message>
        <source>Check an Instrument</source>
        <translation>Vérifier un instrument</translation>
    </message>
    <message>
        <source>Measured Positions</source>
        <translation>Positions mesurées</translation>
    </message>
    <message>
        <source>Scale Length</source>
        <translation>Diapason</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustement</translation>
    </message>
    <message>
        <source>Errors per Fret</source>
        <translation>Erreurs par frette</translation>
    </message>
    <message>
        <source>Cents per fret</source>
        <translation>Cents par frette</translation>
    </message>
    <message>
        <source>&amp;Open Measurements...</source>
        <translation>&amp;Ouvrir des mesures...</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Imprimer le rapport</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Scale Length (optional):</source>
        <translation>Diapason (facultatif) :</translation>
    </message>
    <message>
        <source>Fret</source>
        <translation>Frette</translation>
    </message>
    <message>
        <source>Distance from Nut</source>
        <translation>Distance au sillet</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Mesuré</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Résidu</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>Open Measurements</source>
        <translation>Ouvrir des mesures</translation>
    </message>
    <message>
        <source>CSV (*.csv);;All files (*)</source>
        <translation>CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a fret and a distance.</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas une frette et une distance.</translation>
    </message>
    <message>
        <source>The Scale Length must be a number, or empty.</source>
        <translation>Le diapason doit être un nombre, ou vide.</translation>
    </message>
    <message>
        <source>Best: %1</source>
        <translation>Meilleur : %1</translation>
    </message>
    <message>
        <source>%1 frets checked.</source>
        <translation>%1 frettes vérifiées.</translation>
    </message>
    <message>
        <source>Report printed</source>
        <translation>Rapport imprimé</translation>
    </message>
</context>
<context>
    <name>varnel::ConfigDialogs</name>
    <message>
        <source>Fretboard Configuration Name</source>
        <translation>Nom de la configuration de touche</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Fretboard Configuration</source>
        <translation>Enregistrer la configuration de touche</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Retrieve Fretboard Configuration</source>
        <translation>Charger une configuration de touche</translation>
    </message>
    <message>
        <source>Retrieve</source>
        <translation>Charger</translation>
    </message>
</context>
<context>
    <name>varnel::DesignerWindow</name>
    <message>
        <source>%1 exists already. To replace it, choose it by its full name.</source>
        <translation>%1 existe déjà. Pour le remplacer, choisissez-le par son nom complet.</translation>
    </message>
    <message>
        <source>Strin&amp;gs</source>
        <translation>&amp;Cordes</translation>
    </message>
    <message>
        <source>S&amp;lots</source>
        <translation>Fen&amp;tes</translation>
    </message>
    <message>
        <source>Mar&amp;kers</source>
        <translation>&amp;Repères</translation>
    </message>
    <message>
        <source>Nu&amp;mbers</source>
        <translation>Nu&amp;méros</translation>
    </message>
    <message>
        <source>Sa&amp;ddle</source>
        <translation>&amp;Sillet de chevalet</translation>
    </message>
    <message>
        <source>Fretboard Designer</source>
        <translation>Concepteur de touche</translation>
    </message>
    <message>
        <source>same</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Intonation table and plot</source>
        <translation>Tableau et graphique de justesse</translation>
    </message>
    <message>
        <source>Intonation</source>
        <translation>Justesse</translation>
    </message>
    <message>
        <source>A Column per &amp;String</source>
        <translation>Une colonne &amp;par corde</translation>
    </message>
    <message>
        <source>A Column per String</source>
        <translation>Une colonne par corde</translation>
    </message>
    <message>
        <source>Fret Table</source>
        <translation>Tableau des frettes</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression...</translation>
    </message>
    <message>
        <source>Print &amp;Template</source>
        <translation>Imprimer le &amp;gabarit</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Board &amp;only</source>
        <translation>T&amp;ouche seule</translation>
    </message>
    <message>
        <source>Export the board only</source>
        <translation>Exporter la touche seule</translation>
    </message>
    <message>
        <source>DXF and SVG files hold only what lies on the board: no strings, bridge or saddle</source>
        <translation>Les fichiers DXF et SVG ne contiennent que ce qui est sur la touche : ni cordes, ni chevalet, ni sillet de chevalet</translation>
    </message>
    <message>
        <source>&amp;Print %1</source>
        <translation>&amp;Imprimer : %1</translation>
    </message>
    <message>
        <source>Pre&amp;view %1...</source>
        <translation>&amp;Aperçu : %1...</translation>
    </message>
    <message>
        <source>&amp;Export %1...</source>
        <translation>&amp;Exporter : %1...</translation>
    </message>
    <message>
        <source>Rad&amp;ius Gauges</source>
        <translation>Gabarits de ra&amp;yon</translation>
    </message>
    <message>
        <source>Radius Gauges</source>
        <translation>Gabarits de rayon</translation>
    </message>
    <message>
        <source>Intonation Re&amp;port</source>
        <translation>Rapport d&apos;&amp;intonation</translation>
    </message>
    <message>
        <source>Intonation Report</source>
        <translation>Rapport d&apos;intonation</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités :</translation>
    </message>
    <message>
        <source>Lo&amp;ad...</source>
        <translation>C&amp;harger...</translation>
    </message>
    <message>
        <source>String sets (*.csv);;All files (*)</source>
        <translation>Jeux de cordes (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Parco&amp;urir...</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Gammes Scala (*.scl);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>T&amp;rue Size</source>
        <translation>Taille ré&amp;elle</translation>
    </message>
    <message>
        <source>Fretboard drawing</source>
        <translation>Dessin de la touche</translation>
    </message>
    <message>
        <source>Template printed</source>
        <translation>Gabarit imprimé</translation>
    </message>
    <message>
        <source>Radius gauges printed</source>
        <translation>Gabarits de rayon imprimés</translation>
    </message>
    <message>
        <source>Intonation report printed</source>
        <translation>Rapport d&apos;intonation imprimé</translation>
    </message>
</context>
<context>
    <name>varnel::FretChartView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>varnel::FretTableModel</name>
    <message>
        <source>Fret</source>
        <translation>Frette</translation>
    </message>
    <message>
        <source>String %1</source>
        <translation>Corde %1</translation>
    </message>
    <message>
        <source>Along First String</source>
        <translation>Le long de la première corde</translation>
    </message>
    <message>
        <source>Along Last String</source>
        <translation>Le long de la dernière corde</translation>
    </message>
    <message>
        <source>Along Midline</source>
        <translation>Le long de l&apos;axe</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Angle (degrés)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Repère</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>From 12 Equal</source>
        <translation>Écart à 12 égal</translation>
    </message>
    <message>
        <source>Saddle setback</source>
        <translation>Recul du sillet de chevalet</translation>
    </message>
    <message>
        <source>Nut setback</source>
        <translation>Avancée du sillet</translation>
    </message>
    <message>
        <source>RMS before (cents)</source>
        <translation>RMS avant (cents)</translation>
    </message>
    <message>
        <source>Largest before (cents)</source>
        <translation>Plus grand avant (cents)</translation>
    </message>
    <message>
        <source>RMS after (cents)</source>
        <translation>RMS après (cents)</translation>
    </message>
    <message>
        <source>Largest after (cents)</source>
        <translation>Plus grand après (cents)</translation>
    </message>
</context>
<context>
    <name>varnel::MainWindowUi</name>
    <message>
        <source>Calculation Method</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>Rule of 18ths</source>
        <translation>Règle des 18es</translation>
    </message>
    <message>
        <source>12th Root</source>
        <translation>Racine 12e</translation>
    </message>
    <message>
        <source>&amp;Print Chart</source>
        <translation>&amp;Imprimer le tableau</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>0.1 mm</source>
        <translation>0.1 mm</translation>
    </message>
    <message>
        <source>0.5 mm</source>
        <translation>0.5 mm</translation>
    </message>
    <message>
        <source>Measure Units</source>
        <translation>Unités de mesure</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Print &amp;Template</source>
        <translation>Imprimer le &amp;gabarit</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Display Chart</source>
        <translation>Affic&amp;her le tableau</translation>
    </message>
    <message>
        <source>Fret Spacing Chart</source>
        <translation>Tableau des frettes</translation>
    </message>
    <message>
        <source>Scale Length</source>
        <translation>Diapason</translation>
    </message>
    <message>
        <source>Number of Frets</source>
        <translation>Frettes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Retrieve Fretboard Configuration</source>
        <translation>&amp;Charger une configuration de touche</translation>
    </message>
    <message>
        <source>&amp;Save Fretboard Configuration</source>
        <translation>&amp;Enregistrer la configuration de touche</translation>
    </message>
    <message>
        <source>Printer Set&amp;up...</source>
        <translation>Configuration de l&apos;i&amp;mprimante...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Gabarit</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>&amp;Quick Form Print</source>
        <translation>Impression &amp;rapide de la fenêtre</translation>
    </message>
    <message>
        <source>Ca&amp;libration Page</source>
        <translation>Page d&apos;éta&amp;lonnage</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Template as &amp;SVG...</source>
        <translation>Gabarit en &amp;SVG...</translation>
    </message>
    <message>
        <source>Template as &amp;DXF...</source>
        <translation>Gabarit en &amp;DXF...</translation>
    </message>
    <message>
        <source>Template as &amp;PDF...</source>
        <translation>Gabarit en &amp;PDF...</translation>
    </message>
    <message>
        <source>Chart as &amp;CSV...</source>
        <translation>Tableau en &amp;CSV...</translation>
    </message>
    <message>
        <source>Chart as PD&amp;F...</source>
        <translation>Tableau en PD&amp;F...</translation>
    </message>
    <message>
        <source>Chart as &amp;Text...</source>
        <translation>Tableau en &amp;texte...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Millimeters</source>
        <translation>&amp;Millimètres</translation>
    </message>
    <message>
        <source>&amp;Inches</source>
        <translation>P&amp;ouces</translation>
    </message>
    <message>
        <source>&amp;Half</source>
        <translation>&amp;Demi</translation>
    </message>
    <message>
        <source>&amp;Tenth</source>
        <translation>D&amp;ixième</translation>
    </message>
    <message>
        <source>Set &amp;Print Options</source>
        <translation>Options d&apos;im&amp;pression</translation>
    </message>
    <message>
        <source>Printer Scale Cali&amp;bration...</source>
        <translation>É&amp;talonnage de l&apos;échelle de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>Méthode de &amp;calcul</translation>
    </message>
    <message>
        <source>&amp;Non-cumulative (12th root of 2)</source>
        <translation>&amp;Non cumulative (racine 12e de 2)</translation>
    </message>
    <message>
        <source>&amp;Common</source>
        <translation>C&amp;ourante</translation>
    </message>
    <message>
        <source>&amp;Dervin</source>
        <translation>&amp;Dervin</translation>
    </message>
    <message>
        <source>&amp;Primitive</source>
        <translation>&amp;Primitive</translation>
    </message>
    <message>
        <source>E&amp;xplain</source>
        <translation>E&amp;xpliquer</translation>
    </message>
    <message>
        <source>&amp;Save Current Preferences as default</source>
        <translation>Enregistrer les préférences comme &amp;valeurs par défaut</translation>
    </message>
    <message>
        <source>Reload Preferences from &amp;Defaults</source>
        <translation>&amp;Recharger les préférences par défaut</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Fretboard &amp;Designer...</source>
        <translation>&amp;Concepteur de touche...</translation>
    </message>
    <message>
        <source>&amp;Check an Instrument...</source>
        <translation>&amp;Vérifier un instrument...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>View &amp;ReadMe file</source>
        <translation>&amp;Lire le fichier LisezMoi</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>varnel::PrintDialogs</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
</context>
<context>
    <name>varnel::PrintOptionsDialog</name>
    <message>
        <source>Enter line width for vertical<byte value="xd"/>
template lines (fret markers)<byte value="xd"/>
in pixels</source>
        <translation>Saisissez l'épaisseur des lignes<byte value="xd"/>
verticales du gabarit (repères)<byte value="xd"/>
en pixels</translation>
    </message>
    <message>
        <source>Enter line width for horizontal<byte value="xd"/>
template lines (fretboard edge)<byte value="xd"/>
in pixels</source>
        <translation>Saisissez l'épaisseur des lignes<byte value="xd"/>
horizontales du gabarit (bord de touche)<byte value="xd"/>
en pixels</translation>
    </message>
    <message>
        <source>Enter Font Size for printed fret chart</source>
        <translation>Saisissez la taille de police du tableau imprimé</translation>
    </message>
    <message>
        <source>Enter length for vertical lines on template.  This corresponds to the width dimension of the fretboard</source>
        <translation>Saisissez la longueur des lignes verticales du gabarit.  Elle correspond à la largeur de la touche</translation>
    </message>
    <message>
        <source>Enter spacing between template lines</source>
        <translation>Saisissez l&apos;espacement entre les lignes du gabarit</translation>
    </message>
    <message>
        <source>  This measurement will be converted to millimeters</source>
        <translation>  Cette mesure sera convertie en millimètres</translation>
    </message>
    <message>
        <source>Select position of the guideline - top, center, or bottom of each line of template</source>
        <translation>Choisissez la position de la ligne guide - en haut, au centre ou en bas de chaque ligne du gabarit</translation>
    </message>
    <message>
        <source>Set Printer Options</source>
        <translation>Options d&apos;impression</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Vertical (fret position marker) line width (pixels)</source>
        <translation>Épaisseur des lignes verticales (pixels)</translation>
    </message>
    <message>
        <source>Horizontal (alignment guide) line width (pixels)</source>
        <translation>Épaisseur des lignes horizontales (pixels)</translation>
    </message>
    <message>
        <source>Chart Font Size</source>
        <translation>Taille de police du tableau</translation>
    </message>
    <message>
        <source>Fret Spacing Chart Print Options </source>
        <translation>Options d&apos;impression du tableau </translation>
    </message>
    <message>
        <source>Fret Slot Cutting Template Print Options</source>
        <translation>Options d&apos;impression du gabarit de fentes</translation>
    </message>
    <message>
        <source>Alignment guide position</source>
        <translation>Position de la ligne guide</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Vertical Line Length</source>
        <translation>Longueur des lignes</translation>
    </message>
    <message>
        <source>Space between template lines</source>
        <translation>Espace entre les lignes du gabarit</translation>
    </message>
    <message>
        <source>Print Fret Numbers</source>
        <translation>Imprimer les numéros de frette</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>varnel::ReadMeViewer</name>
    <message>
        <source>Read Me File</source>
        <translation>Fichier LisezMoi</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>LisezMoi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>varnel::RetrieveConfigDialog</name>
    <message>
        <source>You must specify a configuration name</source>
        <translation>Vous devez indiquer un nom de configuration</translation>
    </message>
    <message>
        <source>Unimplemented setting: %1</source>
        <translation>Réglage non pris en charge : %1</translation>
    </message>
</context>
<context>
    <name>varnel::SaveConfigDialog</name>
    <message>
        <source>You must specify a name to save the configuration</source>
        <translation>Vous devez indiquer un nom pour enregistrer la configuration</translation>
    </message>
    <message>
        <source>No more configurations can be saved</source>
        <translation>Aucune autre configuration ne peut être enregistrée</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is kept for the default preferences. Choose another name for the configuration.</source>
        <translation>Le nom « %1 » est réservé aux préférences par défaut. Choisissez un autre nom pour la configuration.</translation>
    </message>
</context>
<context>
    <name>varnel::Varnel</name>
    <message>
        <source>Template printed</source>
        <translation>Gabarit imprimé</translation>
    </message>
    <message>
        <source>Chart Printed</source>
        <translation>Tableau imprimé</translation>
    </message>
    <message>
        <source>Fret Calculator/Template Printer</source>
        <translation>Calcul des frettes/Impression de gabarits</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>varnel::Words</name>
    <message>
        <source>Fret %1: a fret is numbered from 1.</source>
        <translation>Frette %1 : les frettes sont numérotées à partir de 1.</translation>
    </message>
    <message>
        <source>Fret %1: the distance, %2, must be a positive number.</source>
        <translation>Frette %1 : la distance, %2, doit être un nombre positif.</translation>
    </message>
    <message>
        <source>Fret %1 is measured no farther from the nut than fret %2.</source>
        <translation>La frette %1 n&apos;est pas mesurée plus loin du sillet que la frette %2.</translation>
    </message>
    <message>
        <source>Fret %1 is measured twice.</source>
        <translation>La frette %1 est mesurée deux fois.</translation>
    </message>
    <message>
        <source>Measure at least 3 frets to check an instrument.</source>
        <translation>Mesurez au moins 3 frettes pour vérifier un instrument.</translation>
    </message>
    <message>
        <source>The scale length, %1, must be beyond the last fret, %2 from the nut.</source>
        <translation>Le diapason, %1, doit dépasser la dernière frette, à %2 du sillet.</translation>
    </message>
    <message>
        <source>twelfth root</source>
        <translation>racine 12e</translation>
    </message>
    <message>
        <source>rule of 18ths, common</source>
        <translation>règle des 18es, courante</translation>
    </message>
    <message>
        <source>rule of 18ths, dervin</source>
        <translation>règle des 18es, Dervin</translation>
    </message>
    <message>
        <source>rule of 18ths, primitive</source>
        <translation>règle des 18es, primitive</translation>
    </message>
    <message>
        <source>The nut stands where the frets want it.</source>
        <translation>Le sillet est là où les frettes le veulent.</translation>
    </message>
    <message>
        <source>The nut stands %1 toward the bridge from where the frets want it.</source>
        <translation>Le sillet est à %1 vers le chevalet de là où les frettes le veulent.</translation>
    </message>
    <message>
        <source>The nut stands %1 away from the bridge from where the frets want it.</source>
        <translation>Le sillet est à %1 à l&apos;écart du chevalet de là où les frettes le veulent.</translation>
    </message>
    <message>
        <source>The saddle stands where the frets want it.</source>
        <translation>Le sillet de chevalet est là où les frettes le veulent.</translation>
    </message>
    <message>
        <source>The saddle stands %1 toward the nut from where the frets want it.</source>
        <translation>Le sillet de chevalet est à %1 vers le sillet de là où les frettes le veulent.</translation>
    </message>
    <message>
        <source>The saddle stands %1 away from the nut from where the frets want it.</source>
        <translation>Le sillet de chevalet est à %1 à l&apos;écart du sillet de là où les frettes le veulent.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a distance.</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas une distance.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a fret number.</source>
        <translation>Ligne %1 : « %2 » n&apos;est pas un numéro de frette.</translation>
    </message>
    <message>
        <source>double</source>
        <translation>double</translation>
    </message>
    <message>
        <source>single</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Perpendicular Fret must be a fret number, 0 for the nut.</source>
        <translation>La frette perpendiculaire doit être un numéro de frette, 0 pour le sillet.</translation>
    </message>
    <message>
        <source>Perpendicular Ratio must be a number from 0 to 1.</source>
        <translation>Le rapport perpendiculaire doit être un nombre de 0 à 1.</translation>
    </message>
    <message>
        <source>The string set has %1 strings, fewer than the board&apos;s %2.</source>
        <translation>Le jeu de cordes a %1 cordes, moins que les %2 de la touche.</translation>
    </message>
    <message>
        <source>The action at fret 12, %1, must be at least the action at the nut, %2.</source>
        <translation>L&apos;action à la 12e frette, %1, doit valoir au moins l&apos;action au sillet, %2.</translation>
    </message>
    <message>
        <source>Nut Compensation moves each string&apos;s nut point, but with a zero fret the strings speak from the zero fret: turn one of them off.</source>
        <translation>La compensation du sillet déplace le point de sillet de chaque corde, mais avec une frette zéro les cordes vibrent depuis la frette zéro : désactivez l&apos;une des deux.</translation>
    </message>
    <message>
        <source>Frets to Intonate, %1, must be 2 to the number of frets, %2.</source>
        <translation>Les frettes à compenser, %1, doivent aller de 2 au nombre de frettes, %2.</translation>
    </message>
    <message>
        <source>%1: fret %2 is not on the board, whose frets are 1 to %3.</source>
        <translation>%1 : la frette %2 n&apos;est pas sur la touche, dont les frettes vont de 1 à %3.</translation>
    </message>
    <message>
        <source>The slot width, %1, must be narrower than the narrowest fret spacing, %2.</source>
        <translation>La largeur de fente, %1, doit être inférieure au plus petit écart entre frettes, %2.</translation>
    </message>
    <message>
        <source>The nut gap, %1, must be at least half the slot width, %2, to stand behind the zero fret.</source>
        <translation>L&apos;écart sillet–frette zéro, %1, doit valoir au moins la moitié de la largeur de fente, %2, pour que le sillet soit derrière la frette zéro.</translation>
    </message>
    <message>
        <source>The board end, %1, must be at least half the slot width, %2, to hold the last slot.</source>
        <translation>La fin de touche, %1, doit valoir au moins la moitié de la largeur de fente, %2, pour porter la dernière fente.</translation>
    </message>
    <message>
        <source>The %1, %2, does not fit between frets %3 and %4.</source>
        <translation>%1 (%2) ne tient pas entre les frettes %3 et %4.</translation>
    </message>
    <message>
        <source>The %1, %2, does not fit across the board at fret %3.</source>
        <translation>%1 (%2) ne tient pas en travers de la touche à la frette %3.</translation>
    </message>
    <message>
        <source>The %1, %2, must be at least half the board&apos;s width there, %3.</source>
        <translation>%1 (%2) doit valoir au moins la moitié de la largeur de la touche à cet endroit, %3.</translation>
    </message>
    <message>
        <source>The number of strings, %1, must be 2 to 12.</source>
        <translation>Le nombre de cordes, %1, doit être de 2 à 12.</translation>
    </message>
    <message>
        <source>The %1, %2, must be a finite number.</source>
        <translation>%1 (%2) doit être un nombre fini.</translation>
    </message>
    <message>
        <source>The %1, %2, is too large to lay out.</source>
        <translation>%1 (%2) est trop grand pour être tracé.</translation>
    </message>
    <message>
        <source>String Tuning gives %1 degrees for %2 strings: give one a string, first string first.</source>
        <translation>L&apos;accord des cordes donne %1 degrés pour %2 cordes : donnez-en un par corde, la première corde d&apos;abord.</translation>
    </message>
    <message>
        <source>String Tuning: a string&apos;s degree must be 0 or more.</source>
        <translation>Accord des cordes : le degré d&apos;une corde doit être 0 ou plus.</translation>
    </message>
    <message>
        <source>The diatonic fret set is for 12 Equal.</source>
        <translation>Le jeu de frettes diatonique est pour 12 égal.</translation>
    </message>
    <message>
        <source>The rule-of-18ths factor, %1, must be 0 to 1 to place frets on the strings.</source>
        <translation>Le facteur de la règle des 18es, %1, doit être de 0 à 1 pour placer les frettes sur les cordes.</translation>
    </message>
    <message>
        <source>The string spacing at the nut, %1, must be more than 0.</source>
        <translation>L&apos;écartement des cordes au sillet, %1, doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>The string spacing at the bridge, %1, must be more than 0.</source>
        <translation>L&apos;écartement des cordes au chevalet, %1, doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>The first string&apos;s scale length, %1, must be more than %2, half the difference between the two string spacings.</source>
        <translation>Le diapason de la première corde, %1, doit être supérieur à %2, la moitié de la différence entre les deux écartements.</translation>
    </message>
    <message>
        <source>The last string&apos;s scale length, %1, must be more than %2, half the difference between the two string spacings.</source>
        <translation>Le diapason de la dernière corde, %1, doit être supérieur à %2, la moitié de la différence entre les deux écartements.</translation>
    </message>
    <message>
        <source>The perpendicular fret, %1, must be 0 (the nut) or a fret number.</source>
        <translation>La frette perpendiculaire, %1, doit être 0 (le sillet) ou un numéro de frette.</translation>
    </message>
    <message>
        <source>The perpendicular ratio, %1, must be 0 to 1.</source>
        <translation>Le rapport perpendiculaire, %1, doit être de 0 à 1.</translation>
    </message>
    <message>
        <source>The fretboard overhang must be 0 or more.</source>
        <translation>Le débord de la touche doit être 0 ou plus.</translation>
    </message>
    <message>
        <source>The %1, %2, must be 0 or more.</source>
        <translation>%1 (%2) doit être 0 ou plus.</translation>
    </message>
    <message>
        <source>The radius at the nut and at the end must both be 0 (a flat board) or both more than 0.</source>
        <translation>Le rayon au sillet et en bout doivent être tous deux 0 (une touche plate) ou tous deux supérieurs à 0.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 doit être un nombre.</translation>
    </message>
    <message>
        <source>%1 must be a whole number.</source>
        <translation>%1 doit être un nombre entier.</translation>
    </message>
    <message>
        <source>%1 must be fret numbers separated by blanks.</source>
        <translation>%1 doit être des numéros de frette séparés par des espaces.</translation>
    </message>
    <message>
        <source>Strings and Scale</source>
        <translation>Cordes et diapason</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Accord</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Atelier</translation>
    </message>
    <message>
        <source>Intonation</source>
        <translation>Justesse</translation>
    </message>
    <message>
        <source>Number of Frets</source>
        <translation>&amp;Nombre de frettes</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to 32766.</source>
        <translation>%1 doit être un nombre entier de 1 à 32766.</translation>
    </message>
    <message>
        <source>Number of Strings</source>
        <translation>Nombre de cordes</translation>
    </message>
    <message>
        <source>First String Scale Length</source>
        <translation>Diapason de la première corde</translation>
    </message>
    <message>
        <source>first string&apos;s scale length</source>
        <translation>Diapason de la première corde</translation>
    </message>
    <message>
        <source>Last String Scale Length</source>
        <translation>Diapason de la dernière corde</translation>
    </message>
    <message>
        <source>last string&apos;s scale length</source>
        <translation>Diapason de la dernière corde</translation>
    </message>
    <message>
        <source>String Spacing at Nut</source>
        <translation>Écartement des cordes au sillet</translation>
    </message>
    <message>
        <source>string spacing at the nut</source>
        <translation>Écartement des cordes au sillet</translation>
    </message>
    <message>
        <source>String Spacing at Bridge</source>
        <translation>Écartement des cordes au chevalet</translation>
    </message>
    <message>
        <source>string spacing at the bridge</source>
        <translation>Écartement des cordes au chevalet</translation>
    </message>
    <message>
        <source>Perpendicular Fret or Ratio</source>
        <translation>Frette perpendiculaire ou rapport</translation>
    </message>
    <message>
        <source>Perpendicular Fret</source>
        <translation>Frette perpendiculaire</translation>
    </message>
    <message>
        <source>Perpendicular Ratio</source>
        <translation>Rapport perpendiculaire</translation>
    </message>
    <message>
        <source>perpendicular ratio</source>
        <translation>Rapport perpendiculaire</translation>
    </message>
    <message>
        <source>Fretboard Overhang</source>
        <translation>Débord de la touche</translation>
    </message>
    <message>
        <source>fretboard overhang</source>
        <translation>Débord de la touche</translation>
    </message>
    <message>
        <source>Bass Overhang</source>
        <translation>Débord côté basses</translation>
    </message>
    <message>
        <source>Temperament</source>
        <translation>Tempérament</translation>
    </message>
    <message>
        <source>12 Equal</source>
        <translation>12 égal</translation>
    </message>
    <message>
        <source>Equal Divisions</source>
        <translation>Divisions égales</translation>
    </message>
    <message>
        <source>Scala File</source>
        <translation>Fichier Scala</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to 1000.</source>
        <translation>%1 doit être un nombre entier de 1 à 1000.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>%1 must be a ratio such as 2/1 or 3/1, or cents such as 1200.0, above the open string.</source>
        <translation>%1 doit être un rapport comme 2/1 ou 3/1, ou des cents comme 1200.0, au-dessus de la corde à vide.</translation>
    </message>
    <message>
        <source>String Tuning</source>
        <translation>Accord des cordes</translation>
    </message>
    <message>
        <source>%1 must be a degree of the scale for each string, first string first, separated by blanks.</source>
        <translation>%1 doit donner un degré de la gamme pour chaque corde, la première corde d&apos;abord, séparés par des espaces.</translation>
    </message>
    <message>
        <source>Fret Set</source>
        <translation>Jeu de frettes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Diatonic</source>
        <translation>Diatonique</translation>
    </message>
    <message>
        <source>Extra Frets</source>
        <translation>Frettes supplémentaires</translation>
    </message>
    <message>
        <source>Slot Width</source>
        <translation>Largeur de fente</translation>
    </message>
    <message>
        <source>slot width</source>
        <translation>Largeur de fente</translation>
    </message>
    <message>
        <source>Position Markers</source>
        <translation>Repères de position</translation>
    </message>
    <message>
        <source>Double Markers</source>
        <translation>Repères doubles</translation>
    </message>
    <message>
        <source>Marker Diameter</source>
        <translation>Diamètre des repères</translation>
    </message>
    <message>
        <source>marker diameter</source>
        <translation>Diamètre des repères</translation>
    </message>
    <message>
        <source>Side Markers</source>
        <translation>Repères latéra&amp;ux</translation>
    </message>
    <message>
        <source>Side Marker Diameter</source>
        <translation>Diamètre des repères latéraux</translation>
    </message>
    <message>
        <source>side marker diameter</source>
        <translation>Diamètre des repères latéraux</translation>
    </message>
    <message>
        <source>Board End</source>
        <translation>Fin de touche</translation>
    </message>
    <message>
        <source>board end</source>
        <translation>Fin de touche</translation>
    </message>
    <message>
        <source>Zero Fret</source>
        <translation>Frette &amp;zéro</translation>
    </message>
    <message>
        <source>Nut Gap</source>
        <translation>Écart sillet–frette zéro</translation>
    </message>
    <message>
        <source>nut gap</source>
        <translation>Écart sillet–frette zéro</translation>
    </message>
    <message>
        <source>Treble Saddle Compensation</source>
        <translation>Compensation du sillet de chevalet aigus</translation>
    </message>
    <message>
        <source>treble saddle compensation</source>
        <translation>Compensation du sillet de chevalet aux aigus</translation>
    </message>
    <message>
        <source>Bass Saddle Compensation</source>
        <translation>Compensation du sillet de chevalet basses</translation>
    </message>
    <message>
        <source>bass saddle compensation</source>
        <translation>Compensation du sillet de chevalet aux basses</translation>
    </message>
    <message>
        <source>Radius at Nut</source>
        <translation>Rayon au sillet</translation>
    </message>
    <message>
        <source>radius at the nut</source>
        <translation>Rayon au sillet</translation>
    </message>
    <message>
        <source>Radius at End</source>
        <translation>Rayon en bout</translation>
    </message>
    <message>
        <source>radius at the end</source>
        <translation>Rayon en bout de touche</translation>
    </message>
    <message>
        <source>String Set</source>
        <translation>Jeu de cordes</translation>
    </message>
    <message>
        <source>Action at Nut</source>
        <translation>Action au sillet</translation>
    </message>
    <message>
        <source>Action at Fret 12</source>
        <translation>Action à la 12e frette</translation>
    </message>
    <message>
        <source>action at the nut</source>
        <translation>Action au sillet</translation>
    </message>
    <message>
        <source>action at fret 12</source>
        <translation>Action à la 12e frette</translation>
    </message>
    <message>
        <source>Frets to Intonate</source>
        <translation>Frettes à compenser</translation>
    </message>
    <message>
        <source>Nut Compensation</source>
        <translation>Compensation du si&amp;llet</translation>
    </message>
    <message>
        <source>Saddle</source>
        <translation>Sillet de chevalet</translation>
    </message>
    <message>
        <source>Per String</source>
        <translation>Par corde</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Typed Compensation</source>
        <translation>Compensation saisie</translation>
    </message>
    <message>
        <source>You must enter the number of frets and a scale length</source>
        <translation>Vous devez saisir le nombre de frettes et un diapason</translation>
    </message>
    <message>
        <source>Number of frets: %1  Scale Length: %2 %3</source>
        <translation>Nombre de frettes : %1  Diapason : %2 %3</translation>
    </message>
    <message>
        <source>%1: scale length %2, nut offset %3, RMS %4, largest %5</source>
        <translation>%1 : diapason %2, décalage du sillet %3, RMS %4, plus grand %5</translation>
    </message>
    <message>
        <source>%1 frets, inches.</source>
        <translation>%1 frettes, pouces.</translation>
    </message>
    <message>
        <source>%1 frets, millimetres.</source>
        <translation>%1 frettes, millimètres.</translation>
    </message>
    <message>
        <source>%1 frets, inches. %2</source>
        <translation>%1 frettes, pouces. %2</translation>
    </message>
    <message>
        <source>%1 frets, millimetres. %2</source>
        <translation>%1 frettes, millimètres. %2</translation>
    </message>
    <message>
        <source>Along %1, across %2; fret %3 on string %4: %5 from the nut, slot %6.</source>
        <translation>Le long : %1, en travers : %2 ; frette %3 sur la corde %4 : %5 du sillet, fente %6.</translation>
    </message>
    <message>
        <source>Two methods are available for fret spacing calculation:<byte value="xd"/>
The first is non-cumulative and uses the 12th root of 2 formula<byte value="xd"/>
The second is called the rule of 18ths and is a cumulative method<byte value="xd"/>
which may be slightly less accurate under certain conditions, due<byte value="xd"/>
rounding errors.  The use of double precision floating point<byte value="xd"/>
arithmetic for the calculations all but eliminates these errors<byte value="xd"/>
<byte value="xd"/>
For the rule of 18ths, three calculation factors are available.<byte value="xd"/>
Common = 1/17.817  Recommended by most authors.<byte value="xd"/>
<byte value="xd"/>
Dervin = 1/17.835  From Aldric Dervin, Making Musical Instruments, Pg 34.<byte value="xd"/>
May be erroneous.  Yields slightly shorter fret spacing.<byte value="xd"/>
<byte value="xd"/>
Primitive = 1/18<byte value="xd"/>
Inaccurate value that may have been used by craftsmen in the past<byte value="xd"/>
due to ease of calculation.  Not recommended. </source>
        <translation>Deux méthodes de calcul de l&apos;espacement des frettes sont proposées :<byte value="xd"/>
La première n&apos;est pas cumulative et utilise la racine 12e de 2<byte value="xd"/>
La seconde s&apos;appelle la règle des 18es ; c&apos;est une méthode cumulative<byte value="xd"/>
qui peut être un peu moins précise dans certains cas, à cause<byte value="xd"/>
des erreurs d&apos;arrondi.  Le calcul en virgule flottante double<byte value="xd"/>
précision élimine presque entièrement ces erreurs<byte value="xd"/>
<byte value="xd"/>
Pour la règle des 18es, trois facteurs de calcul sont proposés.<byte value="xd"/>
Courant = 1/17.817  Recommandé par la plupart des auteurs.<byte value="xd"/>
<byte value="xd"/>
Dervin = 1/17.835  D&apos;après Aldric Dervin, Making Musical Instruments, p. 34.<byte value="xd"/>
Peut-être erroné.  Donne des espacements légèrement plus courts.<byte value="xd"/>
<byte value="xd"/>
Primitive = 1/18<byte value="xd"/>
Valeur imprécise que les artisans ont pu utiliser autrefois<byte value="xd"/>
parce qu&apos;elle est facile à calculer.  Déconseillée. </translation>
    </message>
    <message>
        <source>1/64th In.</source>
        <translation>1/64 po</translation>
    </message>
    <message>
        <source>0.5 mm</source>
        <translation>0.5 mm</translation>
    </message>
    <message>
        <source>0.01 In.</source>
        <translation>0.01 po</translation>
    </message>
    <message>
        <source>0.1 mm</source>
        <translation>0.1 mm</translation>
    </message>
    <message>
        <source>&amp;Sixty Fourth</source>
        <translation>Soi&amp;xante-quatrième</translation>
    </message>
    <message>
        <source>&amp;Half</source>
        <translation>&amp;Demi</translation>
    </message>
    <message>
        <source>One &amp;Hundredth</source>
        <translation>Cent&amp;ième</translation>
    </message>
    <message>
        <source>&amp;Tenth</source>
        <translation>D&amp;ixième</translation>
    </message>
    <message>
        <source>rule of 18ths, %1</source>
        <translation>règle des 18es, %1</translation>
    </message>
    <message>
        <source>%1 equal divisions of %2</source>
        <translation>%1 divisions égales de %2</translation>
    </message>
    <message>
        <source>Scala file %1</source>
        <translation>fichier Scala %1</translation>
    </message>
    <message>
        <source>diatonic frets, %1</source>
        <translation>frettes diatoniques, %1</translation>
    </message>
    <message>
        <source>%1 The frets follow twelve equal steps.</source>
        <translation>%1 Les frettes suivent douze degrés égaux.</translation>
    </message>
    <message>
        <source>twelfth root of 2</source>
        <translation>racine douzième de 2</translation>
    </message>
    <message>
        <source>rule of 18ths, factor %1</source>
        <translation>règle des 18es, facteur %1</translation>
    </message>
    <message>
        <source>A string set begins with the line name,tension_N,core_mm,modulus_GPa (or tension_lb, core_in).</source>
        <translation>Un jeu de cordes commence par la ligne name,tension_N,core_mm,modulus_GPa (ou tension_lb, core_in).</translation>
    </message>
    <message>
        <source>Line %1 of the string set does not have four fields.</source>
        <translation>La ligne %1 du jeu de cordes n&apos;a pas quatre champs.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no tension above 0.</source>
        <translation>La ligne %1 du jeu de cordes n&apos;a pas de tension supérieure à 0.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no core diameter above 0.</source>
        <translation>La ligne %1 du jeu de cordes n&apos;a pas de diamètre d&apos;âme supérieur à 0.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no modulus above 0.</source>
        <translation>La ligne %1 du jeu de cordes n&apos;a pas de module supérieur à 0.</translation>
    </message>
    <message>
        <source>The string set names no strings.</source>
        <translation>Le jeu de cordes ne nomme aucune corde.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB: no string set.</source>
        <translation>%1 dépasse 1 Mio : pas un jeu de cordes.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>the file has no note count.</source>
        <translation>le fichier ne donne pas de nombre de notes.</translation>
    </message>
    <message>
        <source>the note count is not a whole number.</source>
        <translation>le nombre de notes n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>the scale has no notes.</source>
        <translation>la gamme n&apos;a aucune note.</translation>
    </message>
    <message>
        <source>the scale has %1 of its %2 pitches.</source>
        <translation>la gamme a %1 de ses %2 hauteurs.</translation>
    </message>
    <message>
        <source>the pitch is not cents, a ratio or a whole number.</source>
        <translation>la hauteur n&apos;est ni en cents, ni un rapport, ni un nombre entier.</translation>
    </message>
    <message>
        <source>the pitch is not above the one before it; frets need rising pitches.</source>
        <translation>la hauteur n&apos;est pas au-dessus de la précédente ; les frettes veulent des hauteurs montantes.</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB: no Scala file.</source>
        <translation>%1 dépasse 1 Mio : pas un fichier Scala.</translation>
    </message>
    <message>
        <source>%1 is not text: no Scala file.</source>
        <translation>%1 n&apos;est pas du texte : pas un fichier Scala.</translation>
    </message>
    <message>
        <source>Extra Frets: &quot;%1&quot; is not k+ for a diatonic fret k from 1 to %2.</source>
        <translation>Frettes supplémentaires : « %1 » n&apos;est pas k+ pour une frette diatonique k de 1 à %2.</translation>
    </message>
    <message>
        <source>Extra Frets: %1 stands on diatonic fret %2.</source>
        <translation>Frettes supplémentaires : %1 tombe sur la frette diatonique %2.</translation>
    </message>
    <message>
        <source>zero fret</source>
        <translation>frette zéro</translation>
    </message>
    <message>
        <source>first string, %1</source>
        <translation>première corde, %1</translation>
    </message>
    <message>
        <source>piece %1 of %2</source>
        <translation>pièce %1 sur %2</translation>
    </message>
    <message>
        <source>largest: %1 cents at fret %2</source>
        <translation>le plus grand : %1 cents à la frette %2</translation>
    </message>
    <message>
        <source>this instrument</source>
        <translation>cet instrument</translation>
    </message>
    <message>
        <source>+-%1 cents (audible)</source>
        <translation>+-%1 cents (audible)</translation>
    </message>
    <message>
        <source>rule of 18ths (1/18)</source>
        <translation>règle des 18es (1/18)</translation>
    </message>
    <message>
        <source>cents</source>
        <translation>cents</translation>
    </message>
    <message>
        <source>Varnel instrument check</source>
        <translation>Varnel : vérification d&apos;un instrument</translation>
    </message>
    <message>
        <source>Best model: %1</source>
        <translation>Meilleur modèle : %1</translation>
    </message>
    <message>
        <source>fret</source>
        <translation>frette</translation>
    </message>
    <message>
        <source>measured (%1)</source>
        <translation>mesuré (%1)</translation>
    </message>
    <message>
        <source>best (%1)</source>
        <translation>meilleur (%1)</translation>
    </message>
    <message>
        <source>residual (%1)</source>
        <translation>résidu (%1)</translation>
    </message>
    <message>
        <source>R %1</source>
        <translation>R %1</translation>
    </message>
    <message>
        <source>concave</source>
        <translation>concave</translation>
    </message>
    <message>
        <source>convex</source>
        <translation>convexe</translation>
    </message>
    <message>
        <source>concave, %1</source>
        <translation>concave, %1</translation>
    </message>
    <message>
        <source>convex, %1</source>
        <translation>convexe, %1</translation>
    </message>
    <message>
        <source>at the nut and the end</source>
        <translation>au sillet et en bout</translation>
    </message>
    <message>
        <source>at the nut</source>
        <translation>au sillet</translation>
    </message>
    <message>
        <source>at the end</source>
        <translation>en bout</translation>
    </message>
    <message>
        <source>The fretboard is flat: there is no radius to make a gauge for.</source>
        <translation>La touche est plate : il n&apos;y a pas de rayon pour lequel faire un gabarit.</translation>
    </message>
    <message>
        <source>A gauge&apos;s radius must be a number above 0.</source>
        <translation>Le rayon d&apos;un gabarit doit être un nombre supérieur à 0.</translation>
    </message>
    <message>
        <source>A radius of %1 is too small for a gauge %2 wide: it must be at least half the width.</source>
        <translation>Un rayon de %1 est trop petit pour un gabarit de %2 de large : il doit valoir au moins la moitié de la largeur.</translation>
    </message>
    <message>
        <source>gauge width = %1</source>
        <translation>largeur du gabarit = %1</translation>
    </message>
    <message>
        <source>per string</source>
        <translation>par corde</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>droit</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>saisi</translation>
    </message>
    <message>
        <source>String set: %1</source>
        <translation>Jeu de cordes : %1</translation>
    </message>
    <message>
        <source>Action: %1 at the nut, %2 at fret 12</source>
        <translation>Action : %1 au sillet, %2 à la frette 12</translation>
    </message>
    <message>
        <source>Frets 1 to %1 in tune; saddle %2, nut compensated</source>
        <translation>Frettes 1 à %1 justes ; sillet de chevalet %2, sillet compensé</translation>
    </message>
    <message>
        <source>Frets 1 to %1 in tune; saddle %2</source>
        <translation>Frettes 1 à %1 justes ; sillet de chevalet %2</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>max.</translation>
    </message>
    <message>
        <source>string</source>
        <translation>corde</translation>
    </message>
    <message>
        <source>saddle %1</source>
        <translation>chevalet %1</translation>
    </message>
    <message>
        <source>nut %1</source>
        <translation>sillet %1</translation>
    </message>
    <message>
        <source>cents before</source>
        <translation>cents avant</translation>
    </message>
    <message>
        <source>cents after</source>
        <translation>cents après</translation>
    </message>
    <message>
        <source>Varnel intonation report</source>
        <translation>Varnel : rapport d&apos;intonation</translation>
    </message>
    <message>
        <source>Each string&apos;s error at each fret, dashed before and solid after the compensation.</source>
        <translation>L&apos;erreur de chaque corde à chaque frette, en tirets avant et en trait plein après la compensation.</translation>
    </message>
    <message>
        <source>scale %1 %3, %4 fret, %5</source>
        <translation>diapason %1 %3, %4 frette, %5</translation>
    </message>
    <message>
        <source>scale %1 %3, %4 frets, %5</source>
        <translation>diapason %1 %3, %4 frettes, %5</translation>
    </message>
    <message>
        <source>scale %1 to %2 %3, %4 fret, %5</source>
        <translation>diapason %1 à %2 %3, %4 frette, %5</translation>
    </message>
    <message>
        <source>scale %1 to %2 %3, %4 frets, %5</source>
        <translation>diapason %1 à %2 %3, %4 frettes, %5</translation>
    </message>
    <message>
        <source>%1 to %2 = %3</source>
        <translation>%1 à %2 = %3</translation>
    </message>
    <message>
        <source>nut</source>
        <translation>sillet</translation>
    </message>
    <message>
        <source>fret %1</source>
        <translation>frette %1</translation>
    </message>
    <message>
        <source>check: %1</source>
        <translation>contrôle : %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>The fretboard is too long to print: it would take more than %1 pieces of paper.</source>
        <translation>La touche est trop longue pour être imprimée : il faudrait plus de %1 morceaux de papier.</translation>
    </message>
    <message>
        <source>The fretboard does not fit on a page of this paper: a piece needs %1 by %2 mm. Print on larger paper or in the other orientation.</source>
        <translation>La touche ne tient pas sur une page de ce papier : une pièce demande %1 sur %2 mm. Imprimez sur un papier plus grand ou dans l&apos;autre orientation.</translation>
    </message>
    <message>
        <source>radius gauges for %1</source>
        <translation>gabarits de rayon pour %1</translation>
    </message>
    <message>
        <source>The radius gauges are too long to print: they would take more than %1 pieces of paper.</source>
        <translation>Les gabarits de rayon sont trop longs pour être imprimés : il faudrait plus de %1 morceaux de papier.</translation>
    </message>
    <message>
        <source>The radius gauges do not fit on a page of this paper: a piece needs %1 by %2 mm. Print on larger paper or in the other orientation.</source>
        <translation>Les gabarits de rayon ne tiennent pas sur une page de ce papier : une pièce demande %1 sur %2 mm. Imprimez sur un papier plus grand ou dans l&apos;autre orientation.</translation>
    </message>
    <message>
        <source>The intonation needs a string set (Intonation, String Set; --string-set).</source>
        <translation>La justesse a besoin d&apos;un jeu de cordes (Justesse, Jeu de cordes ; --string-set).</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 pouces</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Varnel printer calibration page</source>
        <translation>Varnel : page d&apos;étalonnage de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Horizontal ruler: %1</source>
        <translation>Règle horizontale : %1</translation>
    </message>
    <message>
        <source>Vertical ruler: %1</source>
        <translation>Règle verticale : %1</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Imprimante : %1</translation>
    </message>
    <message>
        <source>Paper: %1</source>
        <translation>Papier : %1</translation>
    </message>
    <message>
        <source>Correction in use: %1</source>
        <translation>Correction utilisée : %1</translation>
    </message>
    <message>
        <source>Measure each ruler with a steel rule, from its first tick to its last,</source>
        <translation>Mesurez chaque règle avec un réglet d&apos;acier, de son premier trait à son dernier,</translation>
    </message>
    <message>
        <source>and enter both lengths in Preferences, Printer Scale Calibration.</source>
        <translation>et saisissez les deux longueurs dans Préférences, Étalonnage de l&apos;échelle de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontale</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>verticale</translation>
    </message>
    <message>
        <source>The measured %1 ruler must be a length in %2, such as %3. Measure it again.</source>
        <translation>La règle %1 mesurée doit être une longueur en %2, comme %3. Mesurez-la à nouveau.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>The measured %1 ruler of %2 is more than 3 % from its printed length of %3. Measure it again, from its first tick to its last.</source>
        <translation>La règle %1 mesurée de %2 s&apos;écarte de plus de 3 % de sa longueur imprimée de %3. Mesurez-la à nouveau, de son premier trait à son dernier.</translation>
    </message>
    <message>
        <source>The %1 correction would be %2, more than 10 % from true. Check the printer&apos;s own scaling (print at 100 %), then Reset and calibrate again.</source>
        <translation>La correction %1 serait de %2, à plus de 10 % du vrai. Vérifiez la mise à l&apos;échelle propre de l&apos;imprimante (impression à 100 %), puis Réinitialiser et étalonnez à nouveau.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer available; printing goes to the default printer.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est plus disponible ; l&apos;impression va à l&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>a PDF needs a file</source>
        <translation>un PDF a besoin d&apos;un fichier</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing (*.dxf)</source>
        <translation>Dessin DXF (*.dxf)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>Fret points as CSV (*.csv)</source>
        <translation>Points de frette en CSV (*.csv)</translation>
    </message>
    <message>
        <source>Radius gauges are written as a DXF, SVG or PDF file.</source>
        <translation>Les gabarits de rayon sont écrits en fichier DXF, SVG ou PDF.</translation>
    </message>
    <message>
        <source>A fanned fretboard is written as a DXF, SVG, PDF or CSV file.</source>
        <translation>Une touche en éventail est écrite en fichier DXF, SVG, PDF ou CSV.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation>Le fichier PDF %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>No printer is available. Install a printer, or make one the default, and try again.</source>
        <translation>Aucune imprimante n&apos;est disponible. Installez une imprimante, ou choisissez-en une par défaut, et réessayez.</translation>
    </message>
    <message>
        <source>The printer could not start the document. Check the printer and try again.</source>
        <translation>L&apos;imprimante n&apos;a pas pu commencer le document. Vérifiez l&apos;imprimante et réessayez.</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error, and the document may be incomplete. Check the printer and try again.</source>
        <translation>L&apos;impression a échoué : l&apos;imprimante a signalé une erreur, et le document est peut-être incomplet. Vérifiez l&apos;imprimante et réessayez.</translation>
    </message>
    <message>
        <source>horizontal %1, vertical %2</source>
        <translation>horizontale %1, verticale %2</translation>
    </message>
    <message>
        <source>Scale corrected for %1: %2</source>
        <translation>Échelle corrigée pour %1 : %2</translation>
    </message>
    <message>
        <source>A template line of %1 mm, the space of %2 mm above it and the page&apos;s labels and check rule (%3 mm) are more than fits on the page (%4 mm printable). Set a smaller Space between template lines or Vertical Line Length, or print on larger paper.</source>
        <translation>Une ligne de gabarit de %1 mm, l&apos;espace de %2 mm au-dessus et les légendes et la règle de contrôle de la page (%3 mm) dépassent ce que la page contient (%4 mm imprimables). Réglez un Espace entre les lignes ou une Longueur des lignes plus petit, ou imprimez sur un papier plus grand.</translation>
    </message>
    <message>
        <source>Fret %1 is %2 from the previous fret, more than fits across the printable width of %3. Print on wider paper or in landscape orientation.</source>
        <translation>La frette %1 est à %2 de la frette précédente, plus que ne contient la largeur imprimable de %3. Imprimez sur un papier plus large ou en paysage.</translation>
    </message>
    <message>
        <source>The page is too small for the report: it needs %1 x %2 mm.</source>
        <translation>La page est trop petite pour le rapport : il lui faut %1 x %2 mm.</translation>
    </message>
    <message>
        <source>Vertical (fret position marker) line width</source>
        <translation>Épaisseur des lignes verticales</translation>
    </message>
    <message>
        <source>Horizontal (alignment guide) line width</source>
        <translation>Épaisseur des lignes horizontales</translation>
    </message>
    <message>
        <source>Chart Font Size</source>
        <translation>Taille de police du tableau</translation>
    </message>
    <message>
        <source>Vertical Line Length</source>
        <translation>Longueur des lignes</translation>
    </message>
    <message>
        <source>Space between template lines</source>
        <translation>Espace entre les lignes du gabarit</translation>
    </message>
    <message>
        <source>The %1 of %2 pixels is outside the range %3 to %4 pixels. Set the %5 in Preferences, Set Print Options.</source>
        <translation>L&apos;%1 de %2 pixels est hors de la plage %3 à %4 pixels. Réglez « %5 » dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>fret marker line width</source>
        <translation>épaisseur des repères de frette</translation>
    </message>
    <message>
        <source>alignment guide line width</source>
        <translation>épaisseur de la ligne guide</translation>
    </message>
    <message>
        <source>The chart font size of %1 points is outside the range %2 to %3 points. Set the Chart Font Size in Preferences, Set Print Options.</source>
        <translation>La taille de police du tableau de %1 points est hors de la plage %2 à %3 points. Réglez « Taille de police du tableau » dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>The template line height of %1 mm must be more than 0 mm. Set the Vertical Line Length in Preferences, Set Print Options.</source>
        <translation>La hauteur de ligne du gabarit de %1 mm doit dépasser 0 mm. Réglez « Longueur des lignes » dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>The space between template lines of %1 mm must be 0 mm or more. Set the Space between template lines in Preferences, Set Print Options.</source>
        <translation>L&apos;espace entre les lignes du gabarit de %1 mm doit être de 0 mm ou plus. Réglez « Espace entre les lignes du gabarit » dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>The %1 is empty. Set the %1 in Preferences, Set Print Options.</source>
        <translation>« %1 » est vide. Réglez « %1 » dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number. Set the %1 in Preferences, Set Print Options.</source>
        <translation>« %1 » « %2 » n&apos;est pas un nombre. Réglez « %1 » dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>The template line height of %1 mm is more than fits on the page (%2 printable). Set a smaller Vertical Line Length in Preferences, Set Print Options.</source>
        <translation>La hauteur de ligne du gabarit de %1 mm dépasse ce que la page contient (%2 imprimables). Réglez une « Longueur des lignes » plus petite dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>The space between template lines of %1 mm leaves no room on the page for a template line of %2 mm (%3 printable). Set a smaller Space between template lines in Preferences, Set Print Options.</source>
        <translation>L&apos;espace entre les lignes du gabarit de %1 mm ne laisse pas de place sur la page pour une ligne de gabarit de %2 mm (%3 imprimables). Réglez un « Espace entre les lignes du gabarit » plus petit dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>At the chart font size of %1 points a chart line is %2 wide, more than fits across the printable width of %3. Set a smaller Chart Font Size in Preferences, Set Print Options.</source>
        <translation>Avec une taille de police du tableau de %1 points, une ligne du tableau fait %2 de large, plus que ne contient la largeur imprimable de %3. Réglez une « Taille de police du tableau » plus petite dans Préférences, Options d&apos;impression.</translation>
    </message>
    <message>
        <source>The ReadMe file could not be read: %1</source>
        <translation>Le fichier LisezMoi n&apos;a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made.</source>
        <translation>le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Fretboard Designer Template</source>
        <translation>Gabarit du concepteur de touche</translation>
    </message>
    <message>
        <source>Radius Gauges</source>
        <translation>Gabarits de rayon</translation>
    </message>
    <message>
        <source>Intonation Report</source>
        <translation>Rapport d&apos;intonation</translation>
    </message>
    <message>
        <source>Fret Chart</source>
        <translation>Tableau des frettes</translation>
    </message>
    <message>
        <source>Fret Slot Template</source>
        <translation>Gabarit des fentes de frette</translation>
    </message>
    <message>
        <source>Calibration Page</source>
        <translation>Page d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Instrument Check</source>
        <translation>Vérification d&apos;un instrument</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>the printer&apos;s own paper</source>
        <translation>le papier propre de l&apos;imprimante</translation>
    </message>
    <message>
        <source>%1, landscape</source>
        <translation>%1, paysage</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, portrait</translation>
    </message>
    <message>
        <source>Varnel v.%1<byte value="xd"/>
Copyright (C) 2026 the Varnel developers<byte value="xd"/>
Varnel is free software under the GNU General Public License, version 2<byte value="xd"/>
or any later version; see the file LICENSE that comes with the program.<byte value="xd"/>
Questions, suggestions and problem reports are welcome:<byte value="xd"/>
write to varnel-support@example.org</source>
        <translation>Varnel v.%1<byte value="xd"/>
Copyright (C) 2026 les développeurs de Varnel<byte value="xd"/>
Varnel est un logiciel libre sous la GNU General Public License, version 2<byte value="xd"/>
ou toute version ultérieure ; voir le fichier LICENSE joint.<byte value="xd"/>
Questions, suggestions et signalements de problèmes sont les bienvenus :<byte value="xd"/>
écrivez à varnel-support@example.org</translation>
    </message>
</context>
</TS>
