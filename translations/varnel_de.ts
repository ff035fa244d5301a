<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>varnel::CalibrationDialog</name>
    <message>
        <source>Printer Scale Calibration</source>
        <translation>Kalibrierung des Druckermaßstabs</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Print File, Print..., Calibration Page on this printer, measure each ruler with a steel rule from its first tick to its last, and enter the lengths (in %1).</source>
        <translation>Drucken Sie über Datei, Drucken..., Kalibrierseite auf diesem Drucker, messen Sie jedes Lineal mit einem Stahlmaß von seinem ersten bis zu seinem letzten Strich und geben Sie die Längen ein (in %1).</translation>
    </message>
    <message>
        <source>Measured Horizontal Ruler</source>
        <translation>Gemessenes waagerechtes Lineal</translation>
    </message>
    <message>
        <source>Measured Vertical Ruler</source>
        <translation>Gemessenes senkrechtes Lineal</translation>
    </message>
    <message>
        <source>Measured &amp;horizontal ruler (%1):</source>
        <translation>Gemessenes &amp;waagerechtes Lineal (%1):</translation>
    </message>
    <message>
        <source>Measured &amp;vertical ruler (%1):</source>
        <translation>Gemessenes &amp;senkrechtes Lineal (%1):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>varnel::CheckWindow</name>
    <message>
        <source>Check an Instrument</source>
        <translation>Instrument prüfen</translation>
    </message>
    <message>
        <source>Measured Positions</source>
        <translation>Gemessene Positionen</translation>
    </message>
    <message>
        <source>Scale Length</source>
        <translation>Mensur</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Errors per Fret</source>
        <translation>Fehler je Bund</translation>
    </message>
    <message>
        <source>Cents per fret</source>
        <translation>Cent je Bund</translation>
    </message>
    <message>
        <source>&amp;Open Measurements...</source>
        <translation>Messwerte ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>Bericht &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Scale Length (optional):</source>
        <translation>Mensur (optional):</translation>
    </message>
    <message>
        <source>Fret</source>
        <translation>Bund</translation>
    </message>
    <message>
        <source>Distance from Nut</source>
        <translation>Abstand vom Sattel</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>Open Measurements</source>
        <translation>Messwerte öffnen</translation>
    </message>
    <message>
        <source>CSV (*.csv);;All files (*)</source>
        <translation>CSV (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a fret and a distance.</source>
        <translation>Zeile %1: „%2“ ist kein Bund mit Abstand.</translation>
    </message>
    <message>
        <source>The Scale Length must be a number, or empty.</source>
        <translation>Die Mensur muss eine Zahl sein oder leer bleiben.</translation>
    </message>
    <message>
        <source>Best: %1</source>
        <translation>Bestes Modell: %1</translation>
    </message>
    <message>
        <source>%1 frets checked.</source>
        <translation>%1 Bünde geprüft.</translation>
    </message>
    <message>
        <source>Report printed</source>
        <translation>Bericht gedruckt</translation>
    </message>
</context>
<context>
    <name>varnel::ConfigDialogs</name>
    <message>
        <source>Fretboard Configuration Name</source>
        <translation>Name der Griffbrett-Konfiguration</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Fretboard Configuration</source>
        <translation>Griffbrett-Konfiguration speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Retrieve Fretboard Configuration</source>
        <translation>Griffbrett-Konfiguration laden</translation>
    </message>
    <message>
        <source>Retrieve</source>
        <translation>Laden</translation>
    </message>
</context>
<context>
    <name>varnel::DesignerWindow</name>
    <message>
        <source>%1 exists already. To replace it, choose it by its full name.</source>
        <translation>%1 gibt es schon. Um sie zu ersetzen, wählen Sie sie mit ihrem vollen Namen.</translation>
    </message>
    <message>
        <source>Strin&amp;gs</source>
        <translation>&amp;Saiten</translation>
    </message>
    <message>
        <source>S&amp;lots</source>
        <translation>Sch&amp;litze</translation>
    </message>
    <message>
        <source>Mar&amp;kers</source>
        <translation>&amp;Markierungen</translation>
    </message>
    <message>
        <source>Nu&amp;mbers</source>
        <translation>N&amp;ummern</translation>
    </message>
    <message>
        <source>Sa&amp;ddle</source>
        <translation>S&amp;tegeinlage</translation>
    </message>
    <message>
        <source>Fretboard Designer</source>
        <translation>Griffbrett-Designer</translation>
    </message>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Griffbrett</translation>
    </message>
    <message>
        <source>Intonation table and plot</source>
        <translation>Intonationstabelle und Diagramm</translation>
    </message>
    <message>
        <source>Intonation</source>
        <translation>Intonation</translation>
    </message>
    <message>
        <source>A Column per &amp;String</source>
        <translation>Eine Spalte &amp;je Saite</translation>
    </message>
    <message>
        <source>A Column per String</source>
        <translation>Eine Spalte je Saite</translation>
    </message>
    <message>
        <source>Fret Table</source>
        <translation>Bundtabelle</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Print &amp;Template</source>
        <translation>Schablone &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Board &amp;only</source>
        <translation>Nur &amp;Griffbrett</translation>
    </message>
    <message>
        <source>Export the board only</source>
        <translation>Nur das Griffbrett exportieren</translation>
    </message>
    <message>
        <source>DXF and SVG files hold only what lies on the board: no strings, bridge or saddle</source>
        <translation>DXF- und SVG-Dateien enthalten nur, was auf dem Griffbrett liegt: keine Saiten, keinen Steg, keine Stegeinlage</translation>
    </message>
    <message>
        <source>&amp;Print %1</source>
        <translation>%1 &amp;drucken</translation>
    </message>
    <message>
        <source>Pre&amp;view %1...</source>
        <translation>%1: &amp;Vorschau...</translation>
    </message>
    <message>
        <source>&amp;Export %1...</source>
        <translation>%1 &amp;exportieren...</translation>
    </message>
    <message>
        <source>Rad&amp;ius Gauges</source>
        <translation>&amp;Radiuslehren</translation>
    </message>
    <message>
        <source>Radius Gauges</source>
        <translation>Radiuslehren</translation>
    </message>
    <message>
        <source>Intonation Re&amp;port</source>
        <translation>&amp;Intonationsbericht</translation>
    </message>
    <message>
        <source>Intonation Report</source>
        <translation>Intonationsbericht</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>Ein&amp;heiten:</translation>
    </message>
    <message>
        <source>Lo&amp;ad...</source>
        <translation>L&amp;aden...</translation>
    </message>
    <message>
        <source>String sets (*.csv);;All files (*)</source>
        <translation>Saitensätze (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durc&amp;hsuchen...</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Scala-Skalen (*.scl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>T&amp;rue Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Fretboard drawing</source>
        <translation>Griffbrettzeichnung</translation>
    </message>
    <message>
        <source>Template printed</source>
        <translation>Schablone gedruckt</translation>
    </message>
    <message>
        <source>Radius gauges printed</source>
        <translation>Radiuslehren gedruckt</translation>
    </message>
    <message>
        <source>Intonation report printed</source>
        <translation>Intonationsbericht gedruckt</translation>
    </message>
</context>
<context>
    <name>varnel::FretChartView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>varnel::FretTableModel</name>
    <message>
        <source>Fret</source>
        <translation>Bund</translation>
    </message>
    <message>
        <source>String %1</source>
        <translation>Saite %1</translation>
    </message>
    <message>
        <source>Along First String</source>
        <translation>Entlang erster Saite</translation>
    </message>
    <message>
        <source>Along Last String</source>
        <translation>Entlang letzter Saite</translation>
    </message>
    <message>
        <source>Along Midline</source>
        <translation>Entlang Mittellinie</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>From 12 Equal</source>
        <translation>Abweichung von 12 gleichstufig</translation>
    </message>
    <message>
        <source>Saddle setback</source>
        <translation>Rücksetzung Stegeinlage</translation>
    </message>
    <message>
        <source>Nut setback</source>
        <translation>Versatz Sattel</translation>
    </message>
    <message>
        <source>RMS before (cents)</source>
        <translation>RMS vorher (Cent)</translation>
    </message>
    <message>
        <source>Largest before (cents)</source>
        <translation>Größter vorher (Cent)</translation>
    </message>
    <message>
        <source>RMS after (cents)</source>
        <translation>RMS nachher (Cent)</translation>
    </message>
    <message>
        <source>Largest after (cents)</source>
        <translation>Größter nachher (Cent)</translation>
    </message>
</context>
<context>
    <name>varnel::MainWindowUi</name>
    <message>
        <source>Calculation Method</source>
        <translation>Berechnungsmethode</translation>
    </message>
    <message>
        <source>Rule of 18ths</source>
        <translation>18er-Regel</translation>
    </message>
    <message>
        <source>12th Root</source>
        <translation>12. Wurzel</translation>
    </message>
    <message>
        <source>&amp;Print Chart</source>
        <translation>Tabelle dr&amp;ucken</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
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
        <translation>Maßeinheiten</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Print &amp;Template</source>
        <translation>S&amp;chablone drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Display Chart</source>
        <translation>Tabelle an&amp;zeigen</translation>
    </message>
    <message>
        <source>Fret Spacing Chart</source>
        <translation>Bundabstandstabelle</translation>
    </message>
    <message>
        <source>Scale Length</source>
        <translation>Mensur</translation>
    </message>
    <message>
        <source>Number of Frets</source>
        <translation>Bundanzahl</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Retrieve Fretboard Configuration</source>
        <translation>Griffbrett-Konfiguration &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Fretboard Configuration</source>
        <translation>Griffbrett-Konfiguration &amp;speichern</translation>
    </message>
    <message>
        <source>Printer Set&amp;up...</source>
        <translation>&amp;Druckereinrichtung...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Schablone</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>&amp;Quick Form Print</source>
        <translation>&amp;Fensterausdruck</translation>
    </message>
    <message>
        <source>Ca&amp;libration Page</source>
        <translation>&amp;Kalibrierseite</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Template as &amp;SVG...</source>
        <translation>Schablone als &amp;SVG...</translation>
    </message>
    <message>
        <source>Template as &amp;DXF...</source>
        <translation>Schablone als &amp;DXF...</translation>
    </message>
    <message>
        <source>Template as &amp;PDF...</source>
        <translation>Schablone als &amp;PDF...</translation>
    </message>
    <message>
        <source>Chart as &amp;CSV...</source>
        <translation>Tabelle als &amp;CSV...</translation>
    </message>
    <message>
        <source>Chart as PD&amp;F...</source>
        <translation>Tabelle als PD&amp;F...</translation>
    </message>
    <message>
        <source>Chart as &amp;Text...</source>
        <translation>Tabelle als &amp;Text...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Millimeters</source>
        <translation>&amp;Millimeter</translation>
    </message>
    <message>
        <source>&amp;Inches</source>
        <translation>&amp;Zoll</translation>
    </message>
    <message>
        <source>&amp;Half</source>
        <translation>&amp;Halb</translation>
    </message>
    <message>
        <source>&amp;Tenth</source>
        <translation>Zeh&amp;ntel</translation>
    </message>
    <message>
        <source>Set &amp;Print Options</source>
        <translation>&amp;Druckoptionen festlegen</translation>
    </message>
    <message>
        <source>Printer Scale Cali&amp;bration...</source>
        <translation>&amp;Kalibrierung des Druckermaßstabs...</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>&amp;Berechnungsmethode</translation>
    </message>
    <message>
        <source>&amp;Non-cumulative (12th root of 2)</source>
        <translation>&amp;Nicht kumulativ (12. Wurzel aus 2)</translation>
    </message>
    <message>
        <source>&amp;Common</source>
        <translation>&amp;Gängig</translation>
    </message>
    <message>
        <source>&amp;Dervin</source>
        <translation>&amp;Dervin</translation>
    </message>
    <message>
        <source>&amp;Primitive</source>
        <translation>&amp;Primitiv</translation>
    </message>
    <message>
        <source>E&amp;xplain</source>
        <translation>&amp;Erklären</translation>
    </message>
    <message>
        <source>&amp;Save Current Preferences as default</source>
        <translation>Aktuelle Einstellungen als &amp;Standard speichern</translation>
    </message>
    <message>
        <source>Reload Preferences from &amp;Defaults</source>
        <translation>Einstellungen aus den Standards neu &amp;laden</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Fretboard &amp;Designer...</source>
        <translation>&amp;Griffbrett-Designer...</translation>
    </message>
    <message>
        <source>&amp;Check an Instrument...</source>
        <translation>&amp;Instrument prüfen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>View &amp;ReadMe file</source>
        <translation>&amp;Liesmich-Datei anzeigen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>varnel::PrintDialogs</name>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
</context>
<context>
    <name>varnel::PrintOptionsDialog</name>
    <message>
        <source>Enter line width for vertical<byte value="xd"/>
template lines (fret markers)<byte value="xd"/>
in pixels</source>
        <translation>Breite der senkrechten<byte value="xd"/>
Schablonenlinien (Bundmarken)<byte value="xd"/>
in Pixeln eingeben</translation>
    </message>
    <message>
        <source>Enter line width for horizontal<byte value="xd"/>
template lines (fretboard edge)<byte value="xd"/>
in pixels</source>
        <translation>Breite der waagerechten<byte value="xd"/>
Schablonenlinien (Griffbrettkante)<byte value="xd"/>
in Pixeln eingeben</translation>
    </message>
    <message>
        <source>Enter Font Size for printed fret chart</source>
        <translation>Schriftgröße der gedruckten Bundtabelle eingeben</translation>
    </message>
    <message>
        <source>Enter length for vertical lines on template.  This corresponds to the width dimension of the fretboard</source>
        <translation>Länge der senkrechten Linien der Schablone eingeben.  Sie entspricht der Breite des Griffbretts</translation>
    </message>
    <message>
        <source>Enter spacing between template lines</source>
        <translation>Abstand zwischen den Schablonenzeilen eingeben</translation>
    </message>
    <message>
        <source>  This measurement will be converted to millimeters</source>
        <translation>  Dieser Wert wird in Millimeter umgerechnet</translation>
    </message>
    <message>
        <source>Select position of the guideline - top, center, or bottom of each line of template</source>
        <translation>Lage der Führungslinie wählen - oben, Mitte oder unten in jeder Schablonenzeile</translation>
    </message>
    <message>
        <source>Set Printer Options</source>
        <translation>Druckoptionen festlegen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Vertical (fret position marker) line width (pixels)</source>
        <translation>Breite senkrechter Linien (Pixel)</translation>
    </message>
    <message>
        <source>Horizontal (alignment guide) line width (pixels)</source>
        <translation>Breite waagerechter Linien (Pixel)</translation>
    </message>
    <message>
        <source>Chart Font Size</source>
        <translation>Schriftgröße der Tabelle</translation>
    </message>
    <message>
        <source>Fret Spacing Chart Print Options </source>
        <translation>Druckoptionen der Bundabstandstabelle </translation>
    </message>
    <message>
        <source>Fret Slot Cutting Template Print Options</source>
        <translation>Druckoptionen der Bundschlitzschablone</translation>
    </message>
    <message>
        <source>Alignment guide position</source>
        <translation>Lage der Führungslinie</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Vertical Line Length</source>
        <translation>Linienlänge</translation>
    </message>
    <message>
        <source>Space between template lines</source>
        <translation>Abstand der Schablonenzeilen</translation>
    </message>
    <message>
        <source>Print Fret Numbers</source>
        <translation>Bundnummern drucken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>varnel::ReadMeViewer</name>
    <message>
        <source>Read Me File</source>
        <translation>Liesmich-Datei</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Liesmich</translation>
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
        <translation>Bitte geben Sie einen Konfigurationsnamen an</translation>
    </message>
    <message>
        <source>Unimplemented setting: %1</source>
        <translation>Nicht unterstützte Einstellung: %1</translation>
    </message>
</context>
<context>
    <name>varnel::SaveConfigDialog</name>
    <message>
        <source>You must specify a name to save the configuration</source>
        <translation>Bitte geben Sie einen Namen an, um die Konfiguration zu speichern</translation>
    </message>
    <message>
        <source>No more configurations can be saved</source>
        <translation>Es können keine weiteren Konfigurationen gespeichert werden</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is kept for the default preferences. Choose another name for the configuration.</source>
        <translation>Der Name „%1“ ist den Standardeinstellungen vorbehalten. Wählen Sie einen anderen Namen für die Konfiguration.</translation>
    </message>
</context>
<context>
    <name>varnel::Varnel</name>
    <message>
        <source>Template printed</source>
        <translation>Schablone gedruckt</translation>
    </message>
    <message>
        <source>Chart Printed</source>
        <translation>Tabelle gedruckt</translation>
    </message>
    <message>
        <source>Fret Calculator/Template Printer</source>
        <translation>Bundrechner/Schablonendruck</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>varnel::Words</name>
    <message>
        <source>Fret %1: a fret is numbered from 1.</source>
        <translation>Bund %1: Bünde werden ab 1 gezählt.</translation>
    </message>
    <message>
        <source>Fret %1: the distance, %2, must be a positive number.</source>
        <translation>Bund %1: der Abstand, %2, muss eine positive Zahl sein.</translation>
    </message>
    <message>
        <source>Fret %1 is measured no farther from the nut than fret %2.</source>
        <translation>Bund %1 ist nicht weiter vom Sattel gemessen als Bund %2.</translation>
    </message>
    <message>
        <source>Fret %1 is measured twice.</source>
        <translation>Bund %1 ist zweimal gemessen.</translation>
    </message>
    <message>
        <source>Measure at least 3 frets to check an instrument.</source>
        <translation>Messen Sie mindestens 3 Bünde, um ein Instrument zu prüfen.</translation>
    </message>
    <message>
        <source>The scale length, %1, must be beyond the last fret, %2 from the nut.</source>
        <translation>Die Mensur, %1, muss über den letzten Bund hinausgehen, %2 vom Sattel.</translation>
    </message>
    <message>
        <source>twelfth root</source>
        <translation>12. Wurzel</translation>
    </message>
    <message>
        <source>rule of 18ths, common</source>
        <translation>18er-Regel, gängig</translation>
    </message>
    <message>
        <source>rule of 18ths, dervin</source>
        <translation>18er-Regel, Dervin</translation>
    </message>
    <message>
        <source>rule of 18ths, primitive</source>
        <translation>18er-Regel, primitiv</translation>
    </message>
    <message>
        <source>The nut stands where the frets want it.</source>
        <translation>Der Sattel steht, wo die Bünde ihn wollen.</translation>
    </message>
    <message>
        <source>The nut stands %1 toward the bridge from where the frets want it.</source>
        <translation>Der Sattel steht %1 näher am Steg, als die Bünde ihn wollen.</translation>
    </message>
    <message>
        <source>The nut stands %1 away from the bridge from where the frets want it.</source>
        <translation>Der Sattel steht %1 weiter vom Steg, als die Bünde ihn wollen.</translation>
    </message>
    <message>
        <source>The saddle stands where the frets want it.</source>
        <translation>Die Stegeinlage steht, wo die Bünde sie wollen.</translation>
    </message>
    <message>
        <source>The saddle stands %1 toward the nut from where the frets want it.</source>
        <translation>Die Stegeinlage steht %1 näher am Sattel, als die Bünde sie wollen.</translation>
    </message>
    <message>
        <source>The saddle stands %1 away from the nut from where the frets want it.</source>
        <translation>Die Stegeinlage steht %1 weiter vom Sattel, als die Bünde sie wollen.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a distance.</source>
        <translation>Zeile %1: „%2“ ist kein Abstand.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a fret number.</source>
        <translation>Zeile %1: „%2“ ist keine Bundnummer.</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doppelt</translation>
    </message>
    <message>
        <source>single</source>
        <translation>einfach</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Perpendicular Fret must be a fret number, 0 for the nut.</source>
        <translation>Der senkrechte Bund muss eine Bundnummer sein, 0 für den Sattel.</translation>
    </message>
    <message>
        <source>Perpendicular Ratio must be a number from 0 to 1.</source>
        <translation>Der senkrechte Anteil muss eine Zahl von 0 bis 1 sein.</translation>
    </message>
    <message>
        <source>The string set has %1 strings, fewer than the board&apos;s %2.</source>
        <translation>Der Saitensatz hat %1 Saiten, weniger als die %2 des Griffbretts.</translation>
    </message>
    <message>
        <source>The action at fret 12, %1, must be at least the action at the nut, %2.</source>
        <translation>Die Saitenlage am 12. Bund, %1, muss mindestens die Saitenlage am Sattel sein, %2.</translation>
    </message>
    <message>
        <source>Nut Compensation moves each string&apos;s nut point, but with a zero fret the strings speak from the zero fret: turn one of them off.</source>
        <translation>Die Sattelkompensation verschiebt den Sattelpunkt jeder Saite, aber mit einem Nullbund klingen die Saiten ab dem Nullbund: schalten Sie eines von beiden ab.</translation>
    </message>
    <message>
        <source>Frets to Intonate, %1, must be 2 to the number of frets, %2.</source>
        <translation>Die zu intonierenden Bünde, %1, müssen 2 bis zur Bundanzahl, %2, sein.</translation>
    </message>
    <message>
        <source>%1: fret %2 is not on the board, whose frets are 1 to %3.</source>
        <translation>%1: Bund %2 ist nicht auf dem Griffbrett, dessen Bünde 1 bis %3 sind.</translation>
    </message>
    <message>
        <source>The slot width, %1, must be narrower than the narrowest fret spacing, %2.</source>
        <translation>Die Schlitzbreite, %1, muss schmaler sein als der engste Bundabstand, %2.</translation>
    </message>
    <message>
        <source>The nut gap, %1, must be at least half the slot width, %2, to stand behind the zero fret.</source>
        <translation>Der Abstand Sattel–Nullbund, %1, muss mindestens die halbe Schlitzbreite, %2, sein, damit der Sattel hinter dem Nullbund steht.</translation>
    </message>
    <message>
        <source>The board end, %1, must be at least half the slot width, %2, to hold the last slot.</source>
        <translation>Das Griffbrettende, %1, muss mindestens die halbe Schlitzbreite, %2, sein, um den letzten Schlitz zu halten.</translation>
    </message>
    <message>
        <source>The %1, %2, does not fit between frets %3 and %4.</source>
        <translation>%1 (%2) passt nicht zwischen die Bünde %3 und %4.</translation>
    </message>
    <message>
        <source>The %1, %2, does not fit across the board at fret %3.</source>
        <translation>%1 (%2) passt am Bund %3 nicht quer auf das Griffbrett.</translation>
    </message>
    <message>
        <source>The %1, %2, must be at least half the board&apos;s width there, %3.</source>
        <translation>%1 (%2) muss mindestens die halbe Griffbrettbreite dort sein, %3.</translation>
    </message>
    <message>
        <source>The number of strings, %1, must be 2 to 12.</source>
        <translation>Die Anzahl der Saiten, %1, muss 2 bis 12 sein.</translation>
    </message>
    <message>
        <source>The %1, %2, must be a finite number.</source>
        <translation>%1 (%2) muss eine endliche Zahl sein.</translation>
    </message>
    <message>
        <source>The %1, %2, is too large to lay out.</source>
        <translation>%1 (%2) ist zu groß zum Zeichnen.</translation>
    </message>
    <message>
        <source>String Tuning gives %1 degrees for %2 strings: give one a string, first string first.</source>
        <translation>Die Saitenstimmung nennt %1 Stufen für %2 Saiten: geben Sie eine je Saite an, die erste Saite zuerst.</translation>
    </message>
    <message>
        <source>String Tuning: a string&apos;s degree must be 0 or more.</source>
        <translation>Saitenstimmung: die Stufe einer Saite muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>The diatonic fret set is for 12 Equal.</source>
        <translation>Der diatonische Bundsatz gilt für 12 gleichstufig.</translation>
    </message>
    <message>
        <source>The rule-of-18ths factor, %1, must be 0 to 1 to place frets on the strings.</source>
        <translation>Der Faktor der 18er-Regel, %1, muss 0 bis 1 sein, damit die Bünde auf den Saiten liegen.</translation>
    </message>
    <message>
        <source>The string spacing at the nut, %1, must be more than 0.</source>
        <translation>Der Saitenabstand am Sattel, %1, muss mehr als 0 sein.</translation>
    </message>
    <message>
        <source>The string spacing at the bridge, %1, must be more than 0.</source>
        <translation>Der Saitenabstand am Steg, %1, muss mehr als 0 sein.</translation>
    </message>
    <message>
        <source>The first string&apos;s scale length, %1, must be more than %2, half the difference between the two string spacings.</source>
        <translation>Die Mensur der ersten Saite, %1, muss mehr als %2 sein, die halbe Differenz der beiden Saitenabstände.</translation>
    </message>
    <message>
        <source>The last string&apos;s scale length, %1, must be more than %2, half the difference between the two string spacings.</source>
        <translation>Die Mensur der letzten Saite, %1, muss mehr als %2 sein, die halbe Differenz der beiden Saitenabstände.</translation>
    </message>
    <message>
        <source>The perpendicular fret, %1, must be 0 (the nut) or a fret number.</source>
        <translation>Der senkrechte Bund, %1, muss 0 (der Sattel) oder eine Bundnummer sein.</translation>
    </message>
    <message>
        <source>The perpendicular ratio, %1, must be 0 to 1.</source>
        <translation>Der senkrechte Anteil, %1, muss 0 bis 1 sein.</translation>
    </message>
    <message>
        <source>The fretboard overhang must be 0 or more.</source>
        <translation>Der Griffbrettüberstand muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>The %1, %2, must be 0 or more.</source>
        <translation>%1 (%2) muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>The radius at the nut and at the end must both be 0 (a flat board) or both more than 0.</source>
        <translation>Der Radius am Sattel und am Ende müssen beide 0 (ein flaches Griffbrett) oder beide mehr als 0 sein.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>%1 must be a whole number.</source>
        <translation>%1 muss eine ganze Zahl sein.</translation>
    </message>
    <message>
        <source>%1 must be fret numbers separated by blanks.</source>
        <translation>%1 müssen Bundnummern sein, durch Leerzeichen getrennt.</translation>
    </message>
    <message>
        <source>Strings and Scale</source>
        <translation>Saiten und Mensur</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Werkstatt</translation>
    </message>
    <message>
        <source>Intonation</source>
        <translation>Intonation</translation>
    </message>
    <message>
        <source>Number of Frets</source>
        <translation>Anzahl der &amp;Bünde</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to 32766.</source>
        <translation>%1 muss eine ganze Zahl von 1 bis 32766 sein.</translation>
    </message>
    <message>
        <source>Number of Strings</source>
        <translation>Anzahl der Saiten</translation>
    </message>
    <message>
        <source>First String Scale Length</source>
        <translation>Mensur der ersten Saite</translation>
    </message>
    <message>
        <source>first string&apos;s scale length</source>
        <translation>Mensur der ersten Saite</translation>
    </message>
    <message>
        <source>Last String Scale Length</source>
        <translation>Mensur der letzten Saite</translation>
    </message>
    <message>
        <source>last string&apos;s scale length</source>
        <translation>Mensur der letzten Saite</translation>
    </message>
    <message>
        <source>String Spacing at Nut</source>
        <translation>Saitenabstand am Sattel</translation>
    </message>
    <message>
        <source>string spacing at the nut</source>
        <translation>Saitenabstand am Sattel</translation>
    </message>
    <message>
        <source>String Spacing at Bridge</source>
        <translation>Saitenabstand am Steg</translation>
    </message>
    <message>
        <source>string spacing at the bridge</source>
        <translation>Saitenabstand am Steg</translation>
    </message>
    <message>
        <source>Perpendicular Fret or Ratio</source>
        <translation>Senkrechter Bund oder Anteil</translation>
    </message>
    <message>
        <source>Perpendicular Fret</source>
        <translation>Senkrechter Bund</translation>
    </message>
    <message>
        <source>Perpendicular Ratio</source>
        <translation>Senkrechter Anteil</translation>
    </message>
    <message>
        <source>perpendicular ratio</source>
        <translation>Senkrechter Anteil</translation>
    </message>
    <message>
        <source>Fretboard Overhang</source>
        <translation>Griffbrettüberstand</translation>
    </message>
    <message>
        <source>fretboard overhang</source>
        <translation>Griffbrettüberstand</translation>
    </message>
    <message>
        <source>Bass Overhang</source>
        <translation>Überstand Bassseite</translation>
    </message>
    <message>
        <source>Temperament</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>12 Equal</source>
        <translation>12 gleichstufig</translation>
    </message>
    <message>
        <source>Equal Divisions</source>
        <translation>Gleiche Teilung</translation>
    </message>
    <message>
        <source>Scala File</source>
        <translation>Scala-Datei</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Teilungen</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to 1000.</source>
        <translation>%1 muss eine ganze Zahl von 1 bis 1000 sein.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>%1 must be a ratio such as 2/1 or 3/1, or cents such as 1200.0, above the open string.</source>
        <translation>%1 muss ein Verhältnis wie 2/1 oder 3/1 sein, oder Cent wie 1200.0, über der leeren Saite.</translation>
    </message>
    <message>
        <source>String Tuning</source>
        <translation>Saitenstimmung</translation>
    </message>
    <message>
        <source>%1 must be a degree of the scale for each string, first string first, separated by blanks.</source>
        <translation>%1 muss für jede Saite eine Stufe der Skala sein, die erste Saite zuerst, durch Leerzeichen getrennt.</translation>
    </message>
    <message>
        <source>Fret Set</source>
        <translation>Bundsatz</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Diatonic</source>
        <translation>Diatonisch</translation>
    </message>
    <message>
        <source>Extra Frets</source>
        <translation>Zusätzliche Bünde</translation>
    </message>
    <message>
        <source>Slot Width</source>
        <translation>Schlitzbreite</translation>
    </message>
    <message>
        <source>slot width</source>
        <translation>Schlitzbreite</translation>
    </message>
    <message>
        <source>Position Markers</source>
        <translation>Lagenmarkierungen</translation>
    </message>
    <message>
        <source>Double Markers</source>
        <translation>Doppelmarkierungen</translation>
    </message>
    <message>
        <source>Marker Diameter</source>
        <translation>Markierungsdurchmesser</translation>
    </message>
    <message>
        <source>marker diameter</source>
        <translation>Markierungsdurchmesser</translation>
    </message>
    <message>
        <source>Side Markers</source>
        <translation>Seitenm&amp;arkierungen</translation>
    </message>
    <message>
        <source>Side Marker Diameter</source>
        <translation>Durchmesser der Seitenmarkierungen</translation>
    </message>
    <message>
        <source>side marker diameter</source>
        <translation>Durchmesser der Seitenmarkierungen</translation>
    </message>
    <message>
        <source>Board End</source>
        <translation>Griffbrettende</translation>
    </message>
    <message>
        <source>board end</source>
        <translation>Griffbrettende</translation>
    </message>
    <message>
        <source>Zero Fret</source>
        <translation>&amp;Nullbund</translation>
    </message>
    <message>
        <source>Nut Gap</source>
        <translation>Abstand Sattel–Nullbund</translation>
    </message>
    <message>
        <source>nut gap</source>
        <translation>Abstand Sattel–Nullbund</translation>
    </message>
    <message>
        <source>Treble Saddle Compensation</source>
        <translation>Kompensation Stegeinlage Diskant</translation>
    </message>
    <message>
        <source>treble saddle compensation</source>
        <translation>Kompensation der Stegeinlage im Diskant</translation>
    </message>
    <message>
        <source>Bass Saddle Compensation</source>
        <translation>Kompensation Stegeinlage Bass</translation>
    </message>
    <message>
        <source>bass saddle compensation</source>
        <translation>Kompensation der Stegeinlage im Bass</translation>
    </message>
    <message>
        <source>Radius at Nut</source>
        <translation>Radius am Sattel</translation>
    </message>
    <message>
        <source>radius at the nut</source>
        <translation>Radius am Sattel</translation>
    </message>
    <message>
        <source>Radius at End</source>
        <translation>Radius am Ende</translation>
    </message>
    <message>
        <source>radius at the end</source>
        <translation>Radius am Ende</translation>
    </message>
    <message>
        <source>String Set</source>
        <translation>Saitensatz</translation>
    </message>
    <message>
        <source>Action at Nut</source>
        <translation>Saitenlage am Sattel</translation>
    </message>
    <message>
        <source>Action at Fret 12</source>
        <translation>Saitenlage am 12. Bund</translation>
    </message>
    <message>
        <source>action at the nut</source>
        <translation>Saitenlage am Sattel</translation>
    </message>
    <message>
        <source>action at fret 12</source>
        <translation>Saitenlage am 12. Bund</translation>
    </message>
    <message>
        <source>Frets to Intonate</source>
        <translation>Zu intonierende Bünde</translation>
    </message>
    <message>
        <source>Nut Compensation</source>
        <translation>Sattel&amp;kompensation</translation>
    </message>
    <message>
        <source>Saddle</source>
        <translation>Stegeinlage</translation>
    </message>
    <message>
        <source>Per String</source>
        <translation>Je Saite</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Typed Compensation</source>
        <translation>Eingegebene Kompensation</translation>
    </message>
    <message>
        <source>You must enter the number of frets and a scale length</source>
        <translation>Bitte geben Sie die Anzahl der Bünde und eine Mensur ein</translation>
    </message>
    <message>
        <source>Number of frets: %1  Scale Length: %2 %3</source>
        <translation>Anzahl der Bünde: %1  Mensur: %2 %3</translation>
    </message>
    <message>
        <source>%1: scale length %2, nut offset %3, RMS %4, largest %5</source>
        <translation>%1: Mensur %2, Versatz des Sattels %3, RMS %4, größter %5</translation>
    </message>
    <message>
        <source>%1 frets, inches.</source>
        <translation>%1 Bünde, Zoll.</translation>
    </message>
    <message>
        <source>%1 frets, millimetres.</source>
        <translation>%1 Bünde, Millimeter.</translation>
    </message>
    <message>
        <source>%1 frets, inches. %2</source>
        <translation>%1 Bünde, Zoll. %2</translation>
    </message>
    <message>
        <source>%1 frets, millimetres. %2</source>
        <translation>%1 Bünde, Millimeter. %2</translation>
    </message>
    <message>
        <source>Along %1, across %2; fret %3 on string %4: %5 from the nut, slot %6.</source>
        <translation>Längs %1, quer %2; Bund %3 auf Saite %4: %5 vom Sattel, Schlitz %6.</translation>
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
        <translation>Für die Bundabstände stehen zwei Methoden zur Wahl:<byte value="xd"/>
Die erste ist nicht kumulativ und rechnet mit der 12. Wurzel aus 2.<byte value="xd"/>
Die zweite heißt 18er-Regel und ist eine kumulative Methode,<byte value="xd"/>
die unter Umständen durch Rundungsfehler etwas ungenauer<byte value="xd"/>
sein kann.  Das Rechnen mit doppelt genauen Gleitkommazahlen<byte value="xd"/>
beseitigt diese Fehler so gut wie ganz.<byte value="xd"/>
<byte value="xd"/>
Für die 18er-Regel gibt es drei Faktoren.<byte value="xd"/>
Gängig = 1/17.817  Von den meisten Autoren empfohlen.<byte value="xd"/>
<byte value="xd"/>
Dervin = 1/17.835  Nach Aldric Dervin, Making Musical Instruments, S. 34.<byte value="xd"/>
Möglicherweise fehlerhaft.  Ergibt etwas kürzere Bundabstände.<byte value="xd"/>
<byte value="xd"/>
Primitiv = 1/18<byte value="xd"/>
Ungenauer Wert, den Handwerker früher wohl verwendet haben,<byte value="xd"/>
weil er leicht zu rechnen ist.  Nicht empfohlen. </translation>
    </message>
    <message>
        <source>1/64th In.</source>
        <translation>1/64 Zoll</translation>
    </message>
    <message>
        <source>0.5 mm</source>
        <translation>0.5 mm</translation>
    </message>
    <message>
        <source>0.01 In.</source>
        <translation>0.01 Zoll</translation>
    </message>
    <message>
        <source>0.1 mm</source>
        <translation>0.1 mm</translation>
    </message>
    <message>
        <source>&amp;Sixty Fourth</source>
        <translation>&amp;Vierundsechzigstel</translation>
    </message>
    <message>
        <source>&amp;Half</source>
        <translation>&amp;Halb</translation>
    </message>
    <message>
        <source>One &amp;Hundredth</source>
        <translation>H&amp;undertstel</translation>
    </message>
    <message>
        <source>&amp;Tenth</source>
        <translation>Zeh&amp;ntel</translation>
    </message>
    <message>
        <source>rule of 18ths, %1</source>
        <translation>18er-Regel, %1</translation>
    </message>
    <message>
        <source>%1 equal divisions of %2</source>
        <translation>%1 gleiche Teile von %2</translation>
    </message>
    <message>
        <source>Scala file %1</source>
        <translation>Scala-Datei %1</translation>
    </message>
    <message>
        <source>diatonic frets, %1</source>
        <translation>diatonische Bünde, %1</translation>
    </message>
    <message>
        <source>%1 The frets follow twelve equal steps.</source>
        <translation>%1 Die Bünde folgen zwölf gleichen Stufen.</translation>
    </message>
    <message>
        <source>twelfth root of 2</source>
        <translation>zwölfte Wurzel aus 2</translation>
    </message>
    <message>
        <source>rule of 18ths, factor %1</source>
        <translation>18er-Regel, Faktor %1</translation>
    </message>
    <message>
        <source>A string set begins with the line name,tension_N,core_mm,modulus_GPa (or tension_lb, core_in).</source>
        <translation>Ein Saitensatz beginnt mit der Zeile name,tension_N,core_mm,modulus_GPa (oder tension_lb, core_in).</translation>
    </message>
    <message>
        <source>Line %1 of the string set does not have four fields.</source>
        <translation>Zeile %1 des Saitensatzes hat nicht vier Felder.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no tension above 0.</source>
        <translation>Zeile %1 des Saitensatzes hat keine Spannung über 0.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no core diameter above 0.</source>
        <translation>Zeile %1 des Saitensatzes hat keinen Kerndurchmesser über 0.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no modulus above 0.</source>
        <translation>Zeile %1 des Saitensatzes hat keinen Modul über 0.</translation>
    </message>
    <message>
        <source>The string set names no strings.</source>
        <translation>Der Saitensatz nennt keine Saiten.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB: no string set.</source>
        <translation>%1 ist größer als 1 MiB: kein Saitensatz.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the file has no note count.</source>
        <translation>die Datei nennt keine Tonanzahl.</translation>
    </message>
    <message>
        <source>the note count is not a whole number.</source>
        <translation>die Tonanzahl ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>the scale has no notes.</source>
        <translation>die Skala hat keine Töne.</translation>
    </message>
    <message>
        <source>the scale has %1 of its %2 pitches.</source>
        <translation>die Skala hat %1 ihrer %2 Tonhöhen.</translation>
    </message>
    <message>
        <source>the pitch is not cents, a ratio or a whole number.</source>
        <translation>die Tonhöhe ist weder Cent noch ein Verhältnis noch eine ganze Zahl.</translation>
    </message>
    <message>
        <source>the pitch is not above the one before it; frets need rising pitches.</source>
        <translation>die Tonhöhe liegt nicht über der vorigen; Bünde brauchen steigende Tonhöhen.</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB: no Scala file.</source>
        <translation>%1 ist größer als 1 MiB: keine Scala-Datei.</translation>
    </message>
    <message>
        <source>%1 is not text: no Scala file.</source>
        <translation>%1 ist kein Text: keine Scala-Datei.</translation>
    </message>
    <message>
        <source>Extra Frets: &quot;%1&quot; is not k+ for a diatonic fret k from 1 to %2.</source>
        <translation>Zusätzliche Bünde: „%1“ ist nicht k+ für einen diatonischen Bund k von 1 bis %2.</translation>
    </message>
    <message>
        <source>Extra Frets: %1 stands on diatonic fret %2.</source>
        <translation>Zusätzliche Bünde: %1 steht auf dem diatonischen Bund %2.</translation>
    </message>
    <message>
        <source>zero fret</source>
        <translation>Nullbund</translation>
    </message>
    <message>
        <source>first string, %1</source>
        <translation>erste Saite, %1</translation>
    </message>
    <message>
        <source>piece %1 of %2</source>
        <translation>Teil %1 von %2</translation>
    </message>
    <message>
        <source>largest: %1 cents at fret %2</source>
        <translation>größter: %1 Cent an Bund %2</translation>
    </message>
    <message>
        <source>this instrument</source>
        <translation>dieses Instrument</translation>
    </message>
    <message>
        <source>+-%1 cents (audible)</source>
        <translation>+-%1 Cent (hörbar)</translation>
    </message>
    <message>
        <source>rule of 18ths (1/18)</source>
        <translation>18er-Regel (1/18)</translation>
    </message>
    <message>
        <source>cents</source>
        <translation>Cent</translation>
    </message>
    <message>
        <source>Varnel instrument check</source>
        <translation>Varnel-Instrumentenprüfung</translation>
    </message>
    <message>
        <source>Best model: %1</source>
        <translation>Bestes Modell: %1</translation>
    </message>
    <message>
        <source>fret</source>
        <translation>Bund</translation>
    </message>
    <message>
        <source>measured (%1)</source>
        <translation>gemessen (%1)</translation>
    </message>
    <message>
        <source>best (%1)</source>
        <translation>Modell (%1)</translation>
    </message>
    <message>
        <source>residual (%1)</source>
        <translation>Rest (%1)</translation>
    </message>
    <message>
        <source>R %1</source>
        <translation>R %1</translation>
    </message>
    <message>
        <source>concave</source>
        <translation>konkav</translation>
    </message>
    <message>
        <source>convex</source>
        <translation>konvex</translation>
    </message>
    <message>
        <source>concave, %1</source>
        <translation>konkav, %1</translation>
    </message>
    <message>
        <source>convex, %1</source>
        <translation>konvex, %1</translation>
    </message>
    <message>
        <source>at the nut and the end</source>
        <translation>am Sattel und am Ende</translation>
    </message>
    <message>
        <source>at the nut</source>
        <translation>am Sattel</translation>
    </message>
    <message>
        <source>at the end</source>
        <translation>am Ende</translation>
    </message>
    <message>
        <source>The fretboard is flat: there is no radius to make a gauge for.</source>
        <translation>Das Griffbrett ist flach: Es gibt keinen Radius, für den eine Lehre zu machen wäre.</translation>
    </message>
    <message>
        <source>A gauge&apos;s radius must be a number above 0.</source>
        <translation>Der Radius einer Lehre muss eine Zahl über 0 sein.</translation>
    </message>
    <message>
        <source>A radius of %1 is too small for a gauge %2 wide: it must be at least half the width.</source>
        <translation>Ein Radius von %1 ist zu klein für eine Lehre von %2 Breite: Er muss mindestens die halbe Breite betragen.</translation>
    </message>
    <message>
        <source>gauge width = %1</source>
        <translation>Breite der Lehre = %1</translation>
    </message>
    <message>
        <source>per string</source>
        <translation>je Saite</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>eingegeben</translation>
    </message>
    <message>
        <source>String set: %1</source>
        <translation>Saitensatz: %1</translation>
    </message>
    <message>
        <source>Action: %1 at the nut, %2 at fret 12</source>
        <translation>Saitenlage: %1 am Sattel, %2 am 12. Bund</translation>
    </message>
    <message>
        <source>Frets 1 to %1 in tune; saddle %2, nut compensated</source>
        <translation>Bünde 1 bis %1 gestimmt; Stegeinlage %2, Sattel kompensiert</translation>
    </message>
    <message>
        <source>Frets 1 to %1 in tune; saddle %2</source>
        <translation>Bünde 1 bis %1 gestimmt; Stegeinlage %2</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>größter</translation>
    </message>
    <message>
        <source>string</source>
        <translation>Saite</translation>
    </message>
    <message>
        <source>saddle %1</source>
        <translation>Stegeinlage %1</translation>
    </message>
    <message>
        <source>nut %1</source>
        <translation>Sattel %1</translation>
    </message>
    <message>
        <source>cents before</source>
        <translation>Cent vorher</translation>
    </message>
    <message>
        <source>cents after</source>
        <translation>Cent nachher</translation>
    </message>
    <message>
        <source>Varnel intonation report</source>
        <translation>Varnel-Intonationsbericht</translation>
    </message>
    <message>
        <source>Each string&apos;s error at each fret, dashed before and solid after the compensation.</source>
        <translation>Der Fehler jeder Saite an jedem Bund, gestrichelt vor und durchgezogen nach der Kompensation.</translation>
    </message>
    <message>
        <source>scale %1 %3, %4 fret, %5</source>
        <translation>Mensur %1 %3, %4 Bund, %5</translation>
    </message>
    <message>
        <source>scale %1 %3, %4 frets, %5</source>
        <translation>Mensur %1 %3, %4 Bünde, %5</translation>
    </message>
    <message>
        <source>scale %1 to %2 %3, %4 fret, %5</source>
        <translation>Mensur %1 bis %2 %3, %4 Bund, %5</translation>
    </message>
    <message>
        <source>scale %1 to %2 %3, %4 frets, %5</source>
        <translation>Mensur %1 bis %2 %3, %4 Bünde, %5</translation>
    </message>
    <message>
        <source>%1 to %2 = %3</source>
        <translation>%1 bis %2 = %3</translation>
    </message>
    <message>
        <source>nut</source>
        <translation>Sattel</translation>
    </message>
    <message>
        <source>fret %1</source>
        <translation>Bund %1</translation>
    </message>
    <message>
        <source>check: %1</source>
        <translation>Prüfmaß: %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The fretboard is too long to print: it would take more than %1 pieces of paper.</source>
        <translation>Das Griffbrett ist zu lang zum Drucken: Es bräuchte mehr als %1 Blatt Papier.</translation>
    </message>
    <message>
        <source>The fretboard does not fit on a page of this paper: a piece needs %1 by %2 mm. Print on larger paper or in the other orientation.</source>
        <translation>Das Griffbrett passt nicht auf eine Seite dieses Papiers: Ein Teil braucht %1 mal %2 mm. Drucken Sie auf größeres Papier oder in der anderen Ausrichtung.</translation>
    </message>
    <message>
        <source>radius gauges for %1</source>
        <translation>Radiuslehren für %1</translation>
    </message>
    <message>
        <source>The radius gauges are too long to print: they would take more than %1 pieces of paper.</source>
        <translation>Die Radiuslehren sind zu lang zum Drucken: Sie bräuchten mehr als %1 Blatt Papier.</translation>
    </message>
    <message>
        <source>The radius gauges do not fit on a page of this paper: a piece needs %1 by %2 mm. Print on larger paper or in the other orientation.</source>
        <translation>Die Radiuslehren passen nicht auf eine Seite dieses Papiers: Ein Teil braucht %1 mal %2 mm. Drucken Sie auf größeres Papier oder in der anderen Ausrichtung.</translation>
    </message>
    <message>
        <source>The intonation needs a string set (Intonation, String Set; --string-set).</source>
        <translation>Die Intonation braucht einen Saitensatz (Intonation, Saitensatz; --string-set).</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 Zoll</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Varnel printer calibration page</source>
        <translation>Varnel-Kalibrierseite für den Drucker</translation>
    </message>
    <message>
        <source>Horizontal ruler: %1</source>
        <translation>Waagerechtes Lineal: %1</translation>
    </message>
    <message>
        <source>Vertical ruler: %1</source>
        <translation>Senkrechtes Lineal: %1</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Paper: %1</source>
        <translation>Papier: %1</translation>
    </message>
    <message>
        <source>Correction in use: %1</source>
        <translation>Verwendete Korrektur: %1</translation>
    </message>
    <message>
        <source>Measure each ruler with a steel rule, from its first tick to its last,</source>
        <translation>Messen Sie jedes Lineal mit einem Stahlmaß von seinem ersten bis zu seinem letzten Strich</translation>
    </message>
    <message>
        <source>and enter both lengths in Preferences, Printer Scale Calibration.</source>
        <translation>und geben Sie beide Längen unter Einstellungen, Kalibrierung des Druckermaßstabs ein.</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>waagerechte</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>senkrechte</translation>
    </message>
    <message>
        <source>The measured %1 ruler must be a length in %2, such as %3. Measure it again.</source>
        <translation>Das gemessene %1 Lineal muss eine Länge in %2 sein, etwa %3. Messen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimetern</translation>
    </message>
    <message>
        <source>The measured %1 ruler of %2 is more than 3 % from its printed length of %3. Measure it again, from its first tick to its last.</source>
        <translation>Das gemessene %1 Lineal von %2 weicht um mehr als 3 % von seiner gedruckten Länge von %3 ab. Messen Sie es noch einmal, vom ersten bis zum letzten Strich.</translation>
    </message>
    <message>
        <source>The %1 correction would be %2, more than 10 % from true. Check the printer&apos;s own scaling (print at 100 %), then Reset and calibrate again.</source>
        <translation>Die %1 Korrektur wäre %2, mehr als 10 % vom Wahren. Prüfen Sie die eigene Skalierung des Druckers (Druck mit 100 %), dann Zurücksetzen und neu kalibrieren.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer available; printing goes to the default printer.</source>
        <translation>Den Drucker „%1“ gibt es nicht mehr; gedruckt wird auf dem Standarddrucker.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>a PDF needs a file</source>
        <translation>ein PDF braucht eine Datei</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing (*.dxf)</source>
        <translation>DXF-Zeichnung (*.dxf)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Fret points as CSV (*.csv)</source>
        <translation>Bundpunkte als CSV (*.csv)</translation>
    </message>
    <message>
        <source>Radius gauges are written as a DXF, SVG or PDF file.</source>
        <translation>Radiuslehren werden als DXF-, SVG- oder PDF-Datei geschrieben.</translation>
    </message>
    <message>
        <source>A fanned fretboard is written as a DXF, SVG, PDF or CSV file.</source>
        <translation>Ein Fächergriffbrett wird als DXF-, SVG-, PDF- oder CSV-Datei geschrieben.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation>Die PDF-Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No printer is available. Install a printer, or make one the default, and try again.</source>
        <translation>Kein Drucker verfügbar. Installieren Sie einen Drucker oder legen Sie einen als Standard fest und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The printer could not start the document. Check the printer and try again.</source>
        <translation>Der Drucker konnte das Dokument nicht beginnen. Prüfen Sie den Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error, and the document may be incomplete. Check the printer and try again.</source>
        <translation>Drucken fehlgeschlagen: Der Drucker meldete einen Fehler, das Dokument ist womöglich unvollständig. Prüfen Sie den Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>horizontal %1, vertical %2</source>
        <translation>waagerecht %1, senkrecht %2</translation>
    </message>
    <message>
        <source>Scale corrected for %1: %2</source>
        <translation>Maßstab korrigiert für %1: %2</translation>
    </message>
    <message>
        <source>A template line of %1 mm, the space of %2 mm above it and the page&apos;s labels and check rule (%3 mm) are more than fits on the page (%4 mm printable). Set a smaller Space between template lines or Vertical Line Length, or print on larger paper.</source>
        <translation>Eine Schablonenzeile von %1 mm, der Abstand von %2 mm darüber und die Beschriftung und das Prüflineal der Seite (%3 mm) passen nicht auf die Seite (%4 mm bedruckbar). Stellen Sie einen kleineren Abstand der Schablonenzeilen oder eine kleinere Linienlänge ein, oder drucken Sie auf größeres Papier.</translation>
    </message>
    <message>
        <source>Fret %1 is %2 from the previous fret, more than fits across the printable width of %3. Print on wider paper or in landscape orientation.</source>
        <translation>Bund %1 liegt %2 vom vorigen Bund entfernt, mehr als über die bedruckbare Breite von %3 passt. Drucken Sie auf breiterem Papier oder im Querformat.</translation>
    </message>
    <message>
        <source>The page is too small for the report: it needs %1 x %2 mm.</source>
        <translation>Die Seite ist zu klein für den Bericht: Er braucht %1 x %2 mm.</translation>
    </message>
    <message>
        <source>Vertical (fret position marker) line width</source>
        <translation>Breite senkrechter Linien</translation>
    </message>
    <message>
        <source>Horizontal (alignment guide) line width</source>
        <translation>Breite waagerechter Linien</translation>
    </message>
    <message>
        <source>Chart Font Size</source>
        <translation>Schriftgröße der Tabelle</translation>
    </message>
    <message>
        <source>Vertical Line Length</source>
        <translation>Linienlänge</translation>
    </message>
    <message>
        <source>Space between template lines</source>
        <translation>Abstand der Schablonenzeilen</translation>
    </message>
    <message>
        <source>The %1 of %2 pixels is outside the range %3 to %4 pixels. Set the %5 in Preferences, Set Print Options.</source>
        <translation>Die %1 von %2 Pixeln liegt außerhalb des Bereichs %3 bis %4 Pixel. Stellen Sie „%5“ unter Einstellungen, Druckoptionen festlegen ein.</translation>
    </message>
    <message>
        <source>fret marker line width</source>
        <translation>Breite der Bundmarken</translation>
    </message>
    <message>
        <source>alignment guide line width</source>
        <translation>Breite der Führungslinie</translation>
    </message>
    <message>
        <source>The chart font size of %1 points is outside the range %2 to %3 points. Set the Chart Font Size in Preferences, Set Print Options.</source>
        <translation>Die Schriftgröße der Tabelle von %1 Punkt liegt außerhalb des Bereichs %2 bis %3 Punkt. Stellen Sie „Schriftgröße der Tabelle“ unter Einstellungen, Druckoptionen festlegen ein.</translation>
    </message>
    <message>
        <source>The template line height of %1 mm must be more than 0 mm. Set the Vertical Line Length in Preferences, Set Print Options.</source>
        <translation>Die Höhe der Schablonenzeile von %1 mm muss mehr als 0 mm sein. Stellen Sie „Linienlänge“ unter Einstellungen, Druckoptionen festlegen ein.</translation>
    </message>
    <message>
        <source>The space between template lines of %1 mm must be 0 mm or more. Set the Space between template lines in Preferences, Set Print Options.</source>
        <translation>Der Abstand der Schablonenzeilen von %1 mm muss 0 mm oder mehr sein. Stellen Sie „Abstand der Schablonenzeilen“ unter Einstellungen, Druckoptionen festlegen ein.</translation>
    </message>
    <message>
        <source>The %1 is empty. Set the %1 in Preferences, Set Print Options.</source>
        <translation>„%1“ ist leer. Stellen Sie „%1“ unter Einstellungen, Druckoptionen festlegen ein.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number. Set the %1 in Preferences, Set Print Options.</source>
        <translation>„%1“ „%2“ ist keine Zahl. Stellen Sie „%1“ unter Einstellungen, Druckoptionen festlegen ein.</translation>
    </message>
    <message>
        <source>The template line height of %1 mm is more than fits on the page (%2 printable). Set a smaller Vertical Line Length in Preferences, Set Print Options.</source>
        <translation>Die Höhe der Schablonenzeile von %1 mm passt nicht auf die Seite (%2 bedruckbar). Stellen Sie unter Einstellungen, Druckoptionen festlegen eine kleinere „Linienlänge“ ein.</translation>
    </message>
    <message>
        <source>The space between template lines of %1 mm leaves no room on the page for a template line of %2 mm (%3 printable). Set a smaller Space between template lines in Preferences, Set Print Options.</source>
        <translation>Der Abstand der Schablonenzeilen von %1 mm lässt auf der Seite keinen Platz für eine Schablonenzeile von %2 mm (%3 bedruckbar). Stellen Sie unter Einstellungen, Druckoptionen festlegen einen kleineren „Abstand der Schablonenzeilen“ ein.</translation>
    </message>
    <message>
        <source>At the chart font size of %1 points a chart line is %2 wide, more than fits across the printable width of %3. Set a smaller Chart Font Size in Preferences, Set Print Options.</source>
        <translation>Bei einer Schriftgröße der Tabelle von %1 Punkt ist eine Tabellenzeile %2 breit, mehr als über die bedruckbare Breite von %3 passt. Stellen Sie unter Einstellungen, Druckoptionen festlegen eine kleinere „Schriftgröße der Tabelle“ ein.</translation>
    </message>
    <message>
        <source>The ReadMe file could not be read: %1</source>
        <translation>Die Liesmich-Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made.</source>
        <translation>der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Fretboard Designer Template</source>
        <translation>Schablone des Griffbrett-Designers</translation>
    </message>
    <message>
        <source>Radius Gauges</source>
        <translation>Radiuslehren</translation>
    </message>
    <message>
        <source>Intonation Report</source>
        <translation>Intonationsbericht</translation>
    </message>
    <message>
        <source>Fret Chart</source>
        <translation>Bundtabelle</translation>
    </message>
    <message>
        <source>Fret Slot Template</source>
        <translation>Bundschlitzschablone</translation>
    </message>
    <message>
        <source>Calibration Page</source>
        <translation>Kalibrierseite</translation>
    </message>
    <message>
        <source>Instrument Check</source>
        <translation>Instrumentenprüfung</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the printer&apos;s own paper</source>
        <translation>das eigene Papier des Druckers</translation>
    </message>
    <message>
        <source>%1, landscape</source>
        <translation>%1, Querformat</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, Hochformat</translation>
    </message>
    <message>
        <source>Varnel v.%1<byte value="xd"/>
Copyright (C) 2026 the Varnel developers<byte value="xd"/>
Varnel is free software under the GNU General Public License, version 2<byte value="xd"/>
or any later version; see the file LICENSE that comes with the program.<byte value="xd"/>
Questions, suggestions and problem reports are welcome:<byte value="xd"/>
write to varnel-support@example.org</source>
        <translation>Varnel v.%1<byte value="xd"/>
Copyright (C) 2026 die Varnel-Entwickler<byte value="xd"/>
Varnel ist freie Software unter der GNU General Public License, Version 2<byte value="xd"/>
oder einer späteren Version; siehe die beiliegende Datei LICENSE.<byte value="xd"/>
Fragen, Vorschläge und Fehlermeldungen sind willkommen:<byte value="xd"/>
schreiben Sie an varnel-support@example.org</translation>
    </message>
</context>
</TS>
