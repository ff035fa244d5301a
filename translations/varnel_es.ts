<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>varnel::CalibrationDialog</name>
    <message>
        <source>Printer Scale Calibration</source>
        <translation>Calibración de la escala de la impresora</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>Print File, Print..., Calibration Page on this printer, measure each ruler with a steel rule from its first tick to its last, and enter the lengths (in %1).</source>
        <translation>Imprima Archivo, Imprimir..., Página de calibración en esta impresora, mida cada regla con una regla de acero desde su primera marca hasta la última e introduzca las longitudes (en %1).</translation>
    </message>
    <message>
        <source>Measured Horizontal Ruler</source>
        <translation>Regla horizontal medida</translation>
    </message>
    <message>
        <source>Measured Vertical Ruler</source>
        <translation>Regla vertical medida</translation>
    </message>
    <message>
        <source>Measured &amp;horizontal ruler (%1):</source>
        <translation>Regla &amp;horizontal medida (%1):</translation>
    </message>
    <message>
        <source>Measured &amp;vertical ruler (%1):</source>
        <translation>Regla &amp;vertical medida (%1):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>varnel::CheckWindow</name>
    <message>
        <source>Check an Instrument</source>
        <translation>Comprobar un instrumento</translation>
    </message>
    <message>
        <source>Measured Positions</source>
        <translation>Posiciones medidas</translation>
    </message>
    <message>
        <source>Scale Length</source>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Errors per Fret</source>
        <translation>Errores por traste</translation>
    </message>
    <message>
        <source>Cents per fret</source>
        <translation>Cents por traste</translation>
    </message>
    <message>
        <source>&amp;Open Measurements...</source>
        <translation>&amp;Abrir mediciones...</translation>
    </message>
    <message>
        <source>&amp;Print Report</source>
        <translation>&amp;Imprimir informe</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Scale Length (optional):</source>
        <translation>Tiro (opcional):</translation>
    </message>
    <message>
        <source>Fret</source>
        <translation>Traste</translation>
    </message>
    <message>
        <source>Distance from Nut</source>
        <translation>Distancia a la cejuela</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Medido</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Residual</source>
        <translation>Residuo</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>Open Measurements</source>
        <translation>Abrir mediciones</translation>
    </message>
    <message>
        <source>CSV (*.csv);;All files (*)</source>
        <translation>CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read.</source>
        <translation>No se pudo leer el archivo %1.</translation>
    </message>
    <message>
        <source>Row %1: &quot;%2&quot; is not a fret and a distance.</source>
        <translation>Fila %1: «%2» no es un traste y una distancia.</translation>
    </message>
    <message>
        <source>The Scale Length must be a number, or empty.</source>
        <translation>El tiro debe ser un número o quedar vacío.</translation>
    </message>
    <message>
        <source>Best: %1</source>
        <translation>Mejor: %1</translation>
    </message>
    <message>
        <source>%1 frets checked.</source>
        <translation>%1 trastes comprobados.</translation>
    </message>
    <message>
        <source>Report printed</source>
        <translation>Informe impreso</translation>
    </message>
</context>
<context>
    <name>varnel::ConfigDialogs</name>
    <message>
        <source>Fretboard Configuration Name</source>
        <translation>Nombre de la configuración</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Fretboard Configuration</source>
        <translation>Guardar configuración del diapasón</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Retrieve Fretboard Configuration</source>
        <translation>Recuperar configuración del diapasón</translation>
    </message>
    <message>
        <source>Retrieve</source>
        <translation>Recuperar</translation>
    </message>
</context>
<context>
    <name>varnel::DesignerWindow</name>
    <message>
        <source>%1 exists already. To replace it, choose it by its full name.</source>
        <translation>%1 ya existe. Para reemplazarlo, elíjalo por su nombre completo.</translation>
    </message>
    <message>
        <source>Strin&amp;gs</source>
        <translation>C&amp;uerdas</translation>
    </message>
    <message>
        <source>S&amp;lots</source>
        <translation>&amp;Ranuras</translation>
    </message>
    <message>
        <source>Mar&amp;kers</source>
        <translation>&amp;Marcadores</translation>
    </message>
    <message>
        <source>Nu&amp;mbers</source>
        <translation>Núm&amp;eros</translation>
    </message>
    <message>
        <source>Sa&amp;ddle</source>
        <translation>Selle&amp;ta</translation>
    </message>
    <message>
        <source>Fretboard Designer</source>
        <translation>Diseñador de diapasón</translation>
    </message>
    <message>
        <source>same</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Diapasón</translation>
    </message>
    <message>
        <source>Intonation table and plot</source>
        <translation>Tabla y gráfico de entonación</translation>
    </message>
    <message>
        <source>Intonation</source>
        <translation>Entonación</translation>
    </message>
    <message>
        <source>A Column per &amp;String</source>
        <translation>Una columna &amp;por cuerda</translation>
    </message>
    <message>
        <source>A Column per String</source>
        <translation>Una columna por cuerda</translation>
    </message>
    <message>
        <source>Fret Table</source>
        <translation>Tabla de trastes</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>Print &amp;Template</source>
        <translation>&amp;Imprimir plantilla</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Board &amp;only</source>
        <translation>&amp;Solo el diapasón</translation>
    </message>
    <message>
        <source>Export the board only</source>
        <translation>Exportar solo el diapasón</translation>
    </message>
    <message>
        <source>DXF and SVG files hold only what lies on the board: no strings, bridge or saddle</source>
        <translation>Los archivos DXF y SVG contienen solo lo que está sobre el diapasón: ni cuerdas, ni puente, ni selleta</translation>
    </message>
    <message>
        <source>&amp;Print %1</source>
        <translation>&amp;Imprimir: %1</translation>
    </message>
    <message>
        <source>Pre&amp;view %1...</source>
        <translation>&amp;Vista previa: %1...</translation>
    </message>
    <message>
        <source>&amp;Export %1...</source>
        <translation>&amp;Exportar: %1...</translation>
    </message>
    <message>
        <source>Rad&amp;ius Gauges</source>
        <translation>Plantillas de ra&amp;dio</translation>
    </message>
    <message>
        <source>Radius Gauges</source>
        <translation>Plantillas de radio</translation>
    </message>
    <message>
        <source>Intonation Re&amp;port</source>
        <translation>In&amp;forme de entonación</translation>
    </message>
    <message>
        <source>Intonation Report</source>
        <translation>Informe de entonación</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Cerr&amp;ar</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>U&amp;nidades:</translation>
    </message>
    <message>
        <source>Lo&amp;ad...</source>
        <translation>&amp;Cargar...</translation>
    </message>
    <message>
        <source>String sets (*.csv);;All files (*)</source>
        <translation>Juegos de cuerdas (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Exami&amp;nar...</translation>
    </message>
    <message>
        <source>Scala scales (*.scl);;All files (*)</source>
        <translation>Escalas Scala (*.scl);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Fit</source>
        <translation>A&amp;justar</translation>
    </message>
    <message>
        <source>T&amp;rue Size</source>
        <translation>Tama&amp;ño real</translation>
    </message>
    <message>
        <source>Fretboard drawing</source>
        <translation>Dibujo del diapasón</translation>
    </message>
    <message>
        <source>Template printed</source>
        <translation>Plantilla impresa</translation>
    </message>
    <message>
        <source>Radius gauges printed</source>
        <translation>Plantillas de radio impresas</translation>
    </message>
    <message>
        <source>Intonation report printed</source>
        <translation>Informe de entonación impreso</translation>
    </message>
</context>
<context>
    <name>varnel::FretChartView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
</context>
<context>
    <name>varnel::FretTableModel</name>
    <message>
        <source>Fret</source>
        <translation>Traste</translation>
    </message>
    <message>
        <source>String %1</source>
        <translation>Cuerda %1</translation>
    </message>
    <message>
        <source>Along First String</source>
        <translation>A lo largo de la primera cuerda</translation>
    </message>
    <message>
        <source>Along Last String</source>
        <translation>A lo largo de la última cuerda</translation>
    </message>
    <message>
        <source>Along Midline</source>
        <translation>A lo largo del eje</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Ángulo (grados)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>From 12 Equal</source>
        <translation>Desvío de 12 igual</translation>
    </message>
    <message>
        <source>Saddle setback</source>
        <translation>Retroceso de la selleta</translation>
    </message>
    <message>
        <source>Nut setback</source>
        <translation>Avance de la cejuela</translation>
    </message>
    <message>
        <source>RMS before (cents)</source>
        <translation>RMS antes (cents)</translation>
    </message>
    <message>
        <source>Largest before (cents)</source>
        <translation>Mayor antes (cents)</translation>
    </message>
    <message>
        <source>RMS after (cents)</source>
        <translation>RMS después (cents)</translation>
    </message>
    <message>
        <source>Largest after (cents)</source>
        <translation>Mayor después (cents)</translation>
    </message>
</context>
<context>
    <name>varnel::MainWindowUi</name>
    <message>
        <source>Calculation Method</source>
        <translation>Método de cálculo</translation>
    </message>
    <message>
        <source>Rule of 18ths</source>
        <translation>Regla del 18</translation>
    </message>
    <message>
        <source>12th Root</source>
        <translation>Raíz 12</translation>
    </message>
    <message>
        <source>&amp;Print Chart</source>
        <translation>&amp;Imprimir tabla</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Precisión</translation>
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
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Print &amp;Template</source>
        <translation>Imprimir pla&amp;ntilla</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Display Chart</source>
        <translation>&amp;Mostrar tabla</translation>
    </message>
    <message>
        <source>Fret Spacing Chart</source>
        <translation>Tabla de trastes</translation>
    </message>
    <message>
        <source>Scale Length</source>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Number of Frets</source>
        <translation>Trastes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Retrieve Fretboard Configuration</source>
        <translation>&amp;Recuperar configuración del diapasón</translation>
    </message>
    <message>
        <source>&amp;Save Fretboard Configuration</source>
        <translation>&amp;Guardar configuración del diapasón</translation>
    </message>
    <message>
        <source>Printer Set&amp;up...</source>
        <translation>&amp;Configurar impresora...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Tabla</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Plantilla</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Quick Form Print</source>
        <translation>Impresión &amp;rápida de la ventana</translation>
    </message>
    <message>
        <source>Ca&amp;libration Page</source>
        <translation>Página de ca&amp;libración</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Template as &amp;SVG...</source>
        <translation>Plantilla como &amp;SVG...</translation>
    </message>
    <message>
        <source>Template as &amp;DXF...</source>
        <translation>Plantilla como &amp;DXF...</translation>
    </message>
    <message>
        <source>Template as &amp;PDF...</source>
        <translation>Plantilla como &amp;PDF...</translation>
    </message>
    <message>
        <source>Chart as &amp;CSV...</source>
        <translation>Tabla como &amp;CSV...</translation>
    </message>
    <message>
        <source>Chart as PD&amp;F...</source>
        <translation>Tabla como PD&amp;F...</translation>
    </message>
    <message>
        <source>Chart as &amp;Text...</source>
        <translation>Tabla como &amp;texto...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Millimeters</source>
        <translation>&amp;Milímetros</translation>
    </message>
    <message>
        <source>&amp;Inches</source>
        <translation>P&amp;ulgadas</translation>
    </message>
    <message>
        <source>&amp;Half</source>
        <translation>Me&amp;dio</translation>
    </message>
    <message>
        <source>&amp;Tenth</source>
        <translation>Déc&amp;imo</translation>
    </message>
    <message>
        <source>Set &amp;Print Options</source>
        <translation>&amp;Opciones de impresión</translation>
    </message>
    <message>
        <source>Printer Scale Cali&amp;bration...</source>
        <translation>Cali&amp;bración de la escala de la impresora...</translation>
    </message>
    <message>
        <source>&amp;Calculation Method</source>
        <translation>Método de &amp;cálculo</translation>
    </message>
    <message>
        <source>&amp;Non-cumulative (12th root of 2)</source>
        <translation>&amp;No acumulativo (raíz 12 de 2)</translation>
    </message>
    <message>
        <source>&amp;Common</source>
        <translation>&amp;Común</translation>
    </message>
    <message>
        <source>&amp;Dervin</source>
        <translation>&amp;Dervin</translation>
    </message>
    <message>
        <source>&amp;Primitive</source>
        <translation>&amp;Primitivo</translation>
    </message>
    <message>
        <source>E&amp;xplain</source>
        <translation>E&amp;xplicar</translation>
    </message>
    <message>
        <source>&amp;Save Current Preferences as default</source>
        <translation>&amp;Guardar preferencias actuales como predeterminadas</translation>
    </message>
    <message>
        <source>Reload Preferences from &amp;Defaults</source>
        <translation>&amp;Recargar preferencias predeterminadas</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Fretboard &amp;Designer...</source>
        <translation>&amp;Diseñador de diapasón...</translation>
    </message>
    <message>
        <source>&amp;Check an Instrument...</source>
        <translation>&amp;Comprobar un instrumento...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>View &amp;ReadMe file</source>
        <translation>Ver el archivo &amp;Léame</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>varnel::PrintDialogs</name>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
</context>
<context>
    <name>varnel::PrintOptionsDialog</name>
    <message>
        <source>Enter line width for vertical<byte value="xd"/>
template lines (fret markers)<byte value="xd"/>
in pixels</source>
        <translation>Introduzca el grosor de las líneas<byte value="xd"/>
verticales de la plantilla (marcas)<byte value="xd"/>
en píxeles</translation>
    </message>
    <message>
        <source>Enter line width for horizontal<byte value="xd"/>
template lines (fretboard edge)<byte value="xd"/>
in pixels</source>
        <translation>Introduzca el grosor de las líneas<byte value="xd"/>
horizontales de la plantilla (borde)<byte value="xd"/>
en píxeles</translation>
    </message>
    <message>
        <source>Enter Font Size for printed fret chart</source>
        <translation>Introduzca el tamaño de letra de la tabla impresa</translation>
    </message>
    <message>
        <source>Enter length for vertical lines on template.  This corresponds to the width dimension of the fretboard</source>
        <translation>Introduzca la longitud de las líneas verticales de la plantilla.  Corresponde al ancho del diapasón</translation>
    </message>
    <message>
        <source>Enter spacing between template lines</source>
        <translation>Introduzca el espacio entre las líneas de la plantilla</translation>
    </message>
    <message>
        <source>  This measurement will be converted to millimeters</source>
        <translation>  Esta medida se convertirá a milímetros</translation>
    </message>
    <message>
        <source>Select position of the guideline - top, center, or bottom of each line of template</source>
        <translation>Elija la posición de la línea guía - arriba, al centro o abajo de cada línea de la plantilla</translation>
    </message>
    <message>
        <source>Set Printer Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Vertical (fret position marker) line width (pixels)</source>
        <translation>Grosor de líneas verticales (píxeles)</translation>
    </message>
    <message>
        <source>Horizontal (alignment guide) line width (pixels)</source>
        <translation>Grosor de líneas horizontales (píxeles)</translation>
    </message>
    <message>
        <source>Chart Font Size</source>
        <translation>Tamaño de letra de la tabla</translation>
    </message>
    <message>
        <source>Fret Spacing Chart Print Options </source>
        <translation>Opciones de impresión de la tabla </translation>
    </message>
    <message>
        <source>Fret Slot Cutting Template Print Options</source>
        <translation>Opciones de impresión de la plantilla de ranuras</translation>
    </message>
    <message>
        <source>Alignment guide position</source>
        <translation>Posición de la línea guía</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Vertical Line Length</source>
        <translation>Longitud de línea</translation>
    </message>
    <message>
        <source>Space between template lines</source>
        <translation>Espacio entre líneas</translation>
    </message>
    <message>
        <source>Print Fret Numbers</source>
        <translation>Imprimir números de traste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>varnel::ReadMeViewer</name>
    <message>
        <source>Read Me File</source>
        <translation>Archivo Léame</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Léame</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>varnel::RetrieveConfigDialog</name>
    <message>
        <source>You must specify a configuration name</source>
        <translation>Debe indicar un nombre de configuración</translation>
    </message>
    <message>
        <source>Unimplemented setting: %1</source>
        <translation>Ajuste no admitido: %1</translation>
    </message>
</context>
<context>
    <name>varnel::SaveConfigDialog</name>
    <message>
        <source>You must specify a name to save the configuration</source>
        <translation>Debe indicar un nombre para guardar la configuración</translation>
    </message>
    <message>
        <source>No more configurations can be saved</source>
        <translation>No se pueden guardar más configuraciones</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is kept for the default preferences. Choose another name for the configuration.</source>
        <translation>El nombre «%1» está reservado para las preferencias predeterminadas. Elija otro nombre para la configuración.</translation>
    </message>
</context>
<context>
    <name>varnel::Varnel</name>
    <message>
        <source>Template printed</source>
        <translation>Plantilla impresa</translation>
    </message>
    <message>
        <source>Chart Printed</source>
        <translation>Tabla impresa</translation>
    </message>
    <message>
        <source>Fret Calculator/Template Printer</source>
        <translation>Cálculo de trastes/Impresión de plantillas</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
</context>
<context>
    <name>varnel::Words</name>
    <message>
        <source>Fret %1: a fret is numbered from 1.</source>
        <translation>Traste %1: los trastes se numeran desde 1.</translation>
    </message>
    <message>
        <source>Fret %1: the distance, %2, must be a positive number.</source>
        <translation>Traste %1: la distancia, %2, debe ser un número positivo.</translation>
    </message>
    <message>
        <source>Fret %1 is measured no farther from the nut than fret %2.</source>
        <translation>El traste %1 no está medido más lejos de la cejuela que el traste %2.</translation>
    </message>
    <message>
        <source>Fret %1 is measured twice.</source>
        <translation>El traste %1 está medido dos veces.</translation>
    </message>
    <message>
        <source>Measure at least 3 frets to check an instrument.</source>
        <translation>Mida al menos 3 trastes para comprobar un instrumento.</translation>
    </message>
    <message>
        <source>The scale length, %1, must be beyond the last fret, %2 from the nut.</source>
        <translation>El tiro, %1, debe ir más allá del último traste, a %2 de la cejuela.</translation>
    </message>
    <message>
        <source>twelfth root</source>
        <translation>raíz 12</translation>
    </message>
    <message>
        <source>rule of 18ths, common</source>
        <translation>regla del 18, común</translation>
    </message>
    <message>
        <source>rule of 18ths, dervin</source>
        <translation>regla del 18, Dervin</translation>
    </message>
    <message>
        <source>rule of 18ths, primitive</source>
        <translation>regla del 18, primitiva</translation>
    </message>
    <message>
        <source>The nut stands where the frets want it.</source>
        <translation>La cejuela está donde la quieren los trastes.</translation>
    </message>
    <message>
        <source>The nut stands %1 toward the bridge from where the frets want it.</source>
        <translation>La cejuela está %1 hacia el puente de donde la quieren los trastes.</translation>
    </message>
    <message>
        <source>The nut stands %1 away from the bridge from where the frets want it.</source>
        <translation>La cejuela está %1 más lejos del puente de donde la quieren los trastes.</translation>
    </message>
    <message>
        <source>The saddle stands where the frets want it.</source>
        <translation>La selleta está donde la quieren los trastes.</translation>
    </message>
    <message>
        <source>The saddle stands %1 toward the nut from where the frets want it.</source>
        <translation>La selleta está %1 hacia la cejuela de donde la quieren los trastes.</translation>
    </message>
    <message>
        <source>The saddle stands %1 away from the nut from where the frets want it.</source>
        <translation>La selleta está %1 más lejos de la cejuela de donde la quieren los trastes.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a distance.</source>
        <translation>Línea %1: «%2» no es una distancia.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a fret number.</source>
        <translation>Línea %1: «%2» no es un número de traste.</translation>
    </message>
    <message>
        <source>double</source>
        <translation>doble</translation>
    </message>
    <message>
        <source>single</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Perpendicular Fret must be a fret number, 0 for the nut.</source>
        <translation>El traste perpendicular debe ser un número de traste, 0 para la cejuela.</translation>
    </message>
    <message>
        <source>Perpendicular Ratio must be a number from 0 to 1.</source>
        <translation>La proporción perpendicular debe ser un número de 0 a 1.</translation>
    </message>
    <message>
        <source>The string set has %1 strings, fewer than the board&apos;s %2.</source>
        <translation>El juego de cuerdas tiene %1 cuerdas, menos que las %2 del diapasón.</translation>
    </message>
    <message>
        <source>The action at fret 12, %1, must be at least the action at the nut, %2.</source>
        <translation>La acción en el traste 12, %1, debe ser al menos la acción en la cejuela, %2.</translation>
    </message>
    <message>
        <source>Nut Compensation moves each string&apos;s nut point, but with a zero fret the strings speak from the zero fret: turn one of them off.</source>
        <translation>La compensación de la cejuela mueve el punto de cejuela de cada cuerda, pero con un traste cero las cuerdas suenan desde el traste cero: desactive uno de los dos.</translation>
    </message>
    <message>
        <source>Frets to Intonate, %1, must be 2 to the number of frets, %2.</source>
        <translation>Los trastes a entonar, %1, deben ser de 2 al número de trastes, %2.</translation>
    </message>
    <message>
        <source>%1: fret %2 is not on the board, whose frets are 1 to %3.</source>
        <translation>%1: el traste %2 no está en el diapasón, cuyos trastes van de 1 a %3.</translation>
    </message>
    <message>
        <source>The slot width, %1, must be narrower than the narrowest fret spacing, %2.</source>
        <translation>El ancho de ranura, %1, debe ser menor que la menor separación entre trastes, %2.</translation>
    </message>
    <message>
        <source>The nut gap, %1, must be at least half the slot width, %2, to stand behind the zero fret.</source>
        <translation>La separación cejuela–traste cero, %1, debe ser al menos la mitad del ancho de ranura, %2, para que la cejuela quede detrás del traste cero.</translation>
    </message>
    <message>
        <source>The board end, %1, must be at least half the slot width, %2, to hold the last slot.</source>
        <translation>El final del diapasón, %1, debe ser al menos la mitad del ancho de ranura, %2, para sostener la última ranura.</translation>
    </message>
    <message>
        <source>The %1, %2, does not fit between frets %3 and %4.</source>
        <translation>%1 (%2) no cabe entre los trastes %3 y %4.</translation>
    </message>
    <message>
        <source>The %1, %2, does not fit across the board at fret %3.</source>
        <translation>%1 (%2) no cabe a lo ancho del diapasón en el traste %3.</translation>
    </message>
    <message>
        <source>The %1, %2, must be at least half the board&apos;s width there, %3.</source>
        <translation>%1 (%2) debe ser al menos la mitad del ancho del diapasón allí, %3.</translation>
    </message>
    <message>
        <source>The number of strings, %1, must be 2 to 12.</source>
        <translation>El número de cuerdas, %1, debe ser de 2 a 12.</translation>
    </message>
    <message>
        <source>The %1, %2, must be a finite number.</source>
        <translation>%1 (%2) debe ser un número finito.</translation>
    </message>
    <message>
        <source>The %1, %2, is too large to lay out.</source>
        <translation>%1 (%2) es demasiado grande para trazarlo.</translation>
    </message>
    <message>
        <source>String Tuning gives %1 degrees for %2 strings: give one a string, first string first.</source>
        <translation>La afinación de las cuerdas da %1 grados para %2 cuerdas: dé uno por cuerda, la primera cuerda primero.</translation>
    </message>
    <message>
        <source>String Tuning: a string&apos;s degree must be 0 or more.</source>
        <translation>Afinación de las cuerdas: el grado de una cuerda debe ser 0 o más.</translation>
    </message>
    <message>
        <source>The diatonic fret set is for 12 Equal.</source>
        <translation>El juego de trastes diatónico es para 12 igual.</translation>
    </message>
    <message>
        <source>The rule-of-18ths factor, %1, must be 0 to 1 to place frets on the strings.</source>
        <translation>El factor de la regla del 18, %1, debe ser de 0 a 1 para colocar los trastes en las cuerdas.</translation>
    </message>
    <message>
        <source>The string spacing at the nut, %1, must be more than 0.</source>
        <translation>La separación de cuerdas en la cejuela, %1, debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>The string spacing at the bridge, %1, must be more than 0.</source>
        <translation>La separación de cuerdas en el puente, %1, debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>The first string&apos;s scale length, %1, must be more than %2, half the difference between the two string spacings.</source>
        <translation>El tiro de la primera cuerda, %1, debe ser mayor que %2, la mitad de la diferencia entre las dos separaciones.</translation>
    </message>
    <message>
        <source>The last string&apos;s scale length, %1, must be more than %2, half the difference between the two string spacings.</source>
        <translation>El tiro de la última cuerda, %1, debe ser mayor que %2, la mitad de la diferencia entre las dos separaciones.</translation>
    </message>
    <message>
        <source>The perpendicular fret, %1, must be 0 (the nut) or a fret number.</source>
        <translation>El traste perpendicular, %1, debe ser 0 (la cejuela) o un número de traste.</translation>
    </message>
    <message>
        <source>The perpendicular ratio, %1, must be 0 to 1.</source>
        <translation>La proporción perpendicular, %1, debe ser de 0 a 1.</translation>
    </message>
    <message>
        <source>The fretboard overhang must be 0 or more.</source>
        <translation>El sobrante del diapasón debe ser 0 o más.</translation>
    </message>
    <message>
        <source>The %1, %2, must be 0 or more.</source>
        <translation>%1 (%2) debe ser 0 o más.</translation>
    </message>
    <message>
        <source>The radius at the nut and at the end must both be 0 (a flat board) or both more than 0.</source>
        <translation>El radio en la cejuela y en el extremo deben ser ambos 0 (un diapasón plano) o ambos mayores que 0.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 debe ser un número.</translation>
    </message>
    <message>
        <source>%1 must be a whole number.</source>
        <translation>%1 debe ser un número entero.</translation>
    </message>
    <message>
        <source>%1 must be fret numbers separated by blanks.</source>
        <translation>%1 deben ser números de traste separados por espacios.</translation>
    </message>
    <message>
        <source>Strings and Scale</source>
        <translation>Cuerdas y tiro</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Afinación</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Taller</translation>
    </message>
    <message>
        <source>Intonation</source>
        <translation>Entonación</translation>
    </message>
    <message>
        <source>Number of Frets</source>
        <translation>Númer&amp;o de trastes</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to 32766.</source>
        <translation>%1 debe ser un número entero de 1 a 32766.</translation>
    </message>
    <message>
        <source>Number of Strings</source>
        <translation>Número de cuerdas</translation>
    </message>
    <message>
        <source>First String Scale Length</source>
        <translation>Tiro de la primera cuerda</translation>
    </message>
    <message>
        <source>first string&apos;s scale length</source>
        <translation>Tiro de la primera cuerda</translation>
    </message>
    <message>
        <source>Last String Scale Length</source>
        <translation>Tiro de la última cuerda</translation>
    </message>
    <message>
        <source>last string&apos;s scale length</source>
        <translation>Tiro de la última cuerda</translation>
    </message>
    <message>
        <source>String Spacing at Nut</source>
        <translation>Separación de cuerdas en la cejuela</translation>
    </message>
    <message>
        <source>string spacing at the nut</source>
        <translation>Separación de cuerdas en la cejuela</translation>
    </message>
    <message>
        <source>String Spacing at Bridge</source>
        <translation>Separación de cuerdas en el puente</translation>
    </message>
    <message>
        <source>string spacing at the bridge</source>
        <translation>Separación de cuerdas en el puente</translation>
    </message>
    <message>
        <source>Perpendicular Fret or Ratio</source>
        <translation>Traste perpendicular o proporción</translation>
    </message>
    <message>
        <source>Perpendicular Fret</source>
        <translation>Traste perpendicular</translation>
    </message>
    <message>
        <source>Perpendicular Ratio</source>
        <translation>Proporción perpendicular</translation>
    </message>
    <message>
        <source>perpendicular ratio</source>
        <translation>Proporción perpendicular</translation>
    </message>
    <message>
        <source>Fretboard Overhang</source>
        <translation>Sobrante del diapasón</translation>
    </message>
    <message>
        <source>fretboard overhang</source>
        <translation>Sobrante del diapasón</translation>
    </message>
    <message>
        <source>Bass Overhang</source>
        <translation>Sobrante lado graves</translation>
    </message>
    <message>
        <source>Temperament</source>
        <translation>Temperamento</translation>
    </message>
    <message>
        <source>12 Equal</source>
        <translation>12 igual</translation>
    </message>
    <message>
        <source>Equal Divisions</source>
        <translation>Divisiones iguales</translation>
    </message>
    <message>
        <source>Scala File</source>
        <translation>Archivo Scala</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Divisiones</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to 1000.</source>
        <translation>%1 debe ser un número entero de 1 a 1000.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>%1 must be a ratio such as 2/1 or 3/1, or cents such as 1200.0, above the open string.</source>
        <translation>%1 debe ser una proporción como 2/1 o 3/1, o cents como 1200.0, sobre la cuerda al aire.</translation>
    </message>
    <message>
        <source>String Tuning</source>
        <translation>Afinación de las cuerdas</translation>
    </message>
    <message>
        <source>%1 must be a degree of the scale for each string, first string first, separated by blanks.</source>
        <translation>%1 debe dar un grado de la escala para cada cuerda, la primera cuerda primero, separados por espacios.</translation>
    </message>
    <message>
        <source>Fret Set</source>
        <translation>Juego de trastes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Diatonic</source>
        <translation>Diatónico</translation>
    </message>
    <message>
        <source>Extra Frets</source>
        <translation>Trastes adicionales</translation>
    </message>
    <message>
        <source>Slot Width</source>
        <translation>Ancho de ranura</translation>
    </message>
    <message>
        <source>slot width</source>
        <translation>Ancho de ranura</translation>
    </message>
    <message>
        <source>Position Markers</source>
        <translation>Marcadores de posición</translation>
    </message>
    <message>
        <source>Double Markers</source>
        <translation>Marcadores dobles</translation>
    </message>
    <message>
        <source>Marker Diameter</source>
        <translation>Diámetro de marcadores</translation>
    </message>
    <message>
        <source>marker diameter</source>
        <translation>Diámetro de los marcadores</translation>
    </message>
    <message>
        <source>Side Markers</source>
        <translation>Marcadores &amp;laterales</translation>
    </message>
    <message>
        <source>Side Marker Diameter</source>
        <translation>Diámetro de marcadores laterales</translation>
    </message>
    <message>
        <source>side marker diameter</source>
        <translation>Diámetro de los marcadores laterales</translation>
    </message>
    <message>
        <source>Board End</source>
        <translation>Final del diapasón</translation>
    </message>
    <message>
        <source>board end</source>
        <translation>Final del diapasón</translation>
    </message>
    <message>
        <source>Zero Fret</source>
        <translation>Traste &amp;cero</translation>
    </message>
    <message>
        <source>Nut Gap</source>
        <translation>Separación cejuela–traste cero</translation>
    </message>
    <message>
        <source>nut gap</source>
        <translation>Separación cejuela–traste cero</translation>
    </message>
    <message>
        <source>Treble Saddle Compensation</source>
        <translation>Compensación de la selleta en agudos</translation>
    </message>
    <message>
        <source>treble saddle compensation</source>
        <translation>Compensación de la selleta en agudos</translation>
    </message>
    <message>
        <source>Bass Saddle Compensation</source>
        <translation>Compensación de la selleta en graves</translation>
    </message>
    <message>
        <source>bass saddle compensation</source>
        <translation>Compensación de la selleta en graves</translation>
    </message>
    <message>
        <source>Radius at Nut</source>
        <translation>Radio en la cejuela</translation>
    </message>
    <message>
        <source>radius at the nut</source>
        <translation>Radio en la cejuela</translation>
    </message>
    <message>
        <source>Radius at End</source>
        <translation>Radio en el extremo</translation>
    </message>
    <message>
        <source>radius at the end</source>
        <translation>Radio en el extremo</translation>
    </message>
    <message>
        <source>String Set</source>
        <translation>Juego de cuerdas</translation>
    </message>
    <message>
        <source>Action at Nut</source>
        <translation>Acción en la cejuela</translation>
    </message>
    <message>
        <source>Action at Fret 12</source>
        <translation>Acción en el traste 12</translation>
    </message>
    <message>
        <source>action at the nut</source>
        <translation>Acción en la cejuela</translation>
    </message>
    <message>
        <source>action at fret 12</source>
        <translation>Acción en el traste 12</translation>
    </message>
    <message>
        <source>Frets to Intonate</source>
        <translation>Trastes a entonar</translation>
    </message>
    <message>
        <source>Nut Compensation</source>
        <translation>Compe&amp;nsación de la cejuela</translation>
    </message>
    <message>
        <source>Saddle</source>
        <translation>Selleta</translation>
    </message>
    <message>
        <source>Per String</source>
        <translation>Por cuerda</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Recto</translation>
    </message>
    <message>
        <source>Typed Compensation</source>
        <translation>Compensación escrita</translation>
    </message>
    <message>
        <source>You must enter the number of frets and a scale length</source>
        <translation>Debe introducir el número de trastes y un tiro</translation>
    </message>
    <message>
        <source>Number of frets: %1  Scale Length: %2 %3</source>
        <translation>Número de trastes: %1  Tiro: %2 %3</translation>
    </message>
    <message>
        <source>%1: scale length %2, nut offset %3, RMS %4, largest %5</source>
        <translation>%1: tiro %2, desplazamiento de la cejuela %3, RMS %4, mayor %5</translation>
    </message>
    <message>
        <source>%1 frets, inches.</source>
        <translation>%1 trastes, pulgadas.</translation>
    </message>
    <message>
        <source>%1 frets, millimetres.</source>
        <translation>%1 trastes, milímetros.</translation>
    </message>
    <message>
        <source>%1 frets, inches. %2</source>
        <translation>%1 trastes, pulgadas. %2</translation>
    </message>
    <message>
        <source>%1 frets, millimetres. %2</source>
        <translation>%1 trastes, milímetros. %2</translation>
    </message>
    <message>
        <source>Along %1, across %2; fret %3 on string %4: %5 from the nut, slot %6.</source>
        <translation>A lo largo %1, a lo ancho %2; traste %3 en la cuerda %4: %5 de la cejuela, ranura %6.</translation>
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
        <translation>Hay dos métodos para calcular la separación de los trastes:<byte value="xd"/>
El primero no es acumulativo y usa la raíz 12 de 2<byte value="xd"/>
El segundo se llama regla del 18 y es un método acumulativo<byte value="xd"/>
que puede ser algo menos preciso en ciertos casos, por<byte value="xd"/>
errores de redondeo.  El cálculo en coma flotante de doble<byte value="xd"/>
precisión elimina casi por completo esos errores<byte value="xd"/>
<byte value="xd"/>
Para la regla del 18 hay tres factores de cálculo.<byte value="xd"/>
Común = 1/17.817  Recomendado por la mayoría de los autores.<byte value="xd"/>
<byte value="xd"/>
Dervin = 1/17.835  Según Aldric Dervin, Making Musical Instruments, pág. 34.<byte value="xd"/>
Quizá erróneo.  Da separaciones algo más cortas.<byte value="xd"/>
<byte value="xd"/>
Primitivo = 1/18<byte value="xd"/>
Valor impreciso que los artesanos pudieron usar en el pasado<byte value="xd"/>
por su facilidad de cálculo.  No recomendado. </translation>
    </message>
    <message>
        <source>1/64th In.</source>
        <translation>1/64 pulg.</translation>
    </message>
    <message>
        <source>0.5 mm</source>
        <translation>0.5 mm</translation>
    </message>
    <message>
        <source>0.01 In.</source>
        <translation>0.01 pulg.</translation>
    </message>
    <message>
        <source>0.1 mm</source>
        <translation>0.1 mm</translation>
    </message>
    <message>
        <source>&amp;Sixty Fourth</source>
        <translation>Sesenta y cuatro&amp;avo</translation>
    </message>
    <message>
        <source>&amp;Half</source>
        <translation>Me&amp;dio</translation>
    </message>
    <message>
        <source>One &amp;Hundredth</source>
        <translation>C&amp;entésimo</translation>
    </message>
    <message>
        <source>&amp;Tenth</source>
        <translation>Déc&amp;imo</translation>
    </message>
    <message>
        <source>rule of 18ths, %1</source>
        <translation>regla del 18, %1</translation>
    </message>
    <message>
        <source>%1 equal divisions of %2</source>
        <translation>%1 divisiones iguales de %2</translation>
    </message>
    <message>
        <source>Scala file %1</source>
        <translation>archivo Scala %1</translation>
    </message>
    <message>
        <source>diatonic frets, %1</source>
        <translation>trastes diatónicos, %1</translation>
    </message>
    <message>
        <source>%1 The frets follow twelve equal steps.</source>
        <translation>%1 Los trastes siguen doce pasos iguales.</translation>
    </message>
    <message>
        <source>twelfth root of 2</source>
        <translation>raíz duodécima de 2</translation>
    </message>
    <message>
        <source>rule of 18ths, factor %1</source>
        <translation>regla del 18, factor %1</translation>
    </message>
    <message>
        <source>A string set begins with the line name,tension_N,core_mm,modulus_GPa (or tension_lb, core_in).</source>
        <translation>Un juego de cuerdas empieza con la línea name,tension_N,core_mm,modulus_GPa (o tension_lb, core_in).</translation>
    </message>
    <message>
        <source>Line %1 of the string set does not have four fields.</source>
        <translation>La línea %1 del juego de cuerdas no tiene cuatro campos.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no tension above 0.</source>
        <translation>La línea %1 del juego de cuerdas no tiene una tensión mayor que 0.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no core diameter above 0.</source>
        <translation>La línea %1 del juego de cuerdas no tiene un diámetro de alma mayor que 0.</translation>
    </message>
    <message>
        <source>Line %1 of the string set has no modulus above 0.</source>
        <translation>La línea %1 del juego de cuerdas no tiene un módulo mayor que 0.</translation>
    </message>
    <message>
        <source>The string set names no strings.</source>
        <translation>El juego de cuerdas no nombra ninguna cuerda.</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>No se pudo leer %1.</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB: no string set.</source>
        <translation>%1 ocupa más de 1 MiB: no es un juego de cuerdas.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>the file has no note count.</source>
        <translation>el archivo no indica el número de notas.</translation>
    </message>
    <message>
        <source>the note count is not a whole number.</source>
        <translation>el número de notas no es un número entero.</translation>
    </message>
    <message>
        <source>the scale has no notes.</source>
        <translation>la escala no tiene notas.</translation>
    </message>
    <message>
        <source>the scale has %1 of its %2 pitches.</source>
        <translation>la escala tiene %1 de sus %2 alturas.</translation>
    </message>
    <message>
        <source>the pitch is not cents, a ratio or a whole number.</source>
        <translation>la altura no es en cents, ni una razón, ni un número entero.</translation>
    </message>
    <message>
        <source>the pitch is not above the one before it; frets need rising pitches.</source>
        <translation>la altura no está por encima de la anterior; los trastes necesitan alturas ascendentes.</translation>
    </message>
    <message>
        <source>%1 is larger than 1 MiB: no Scala file.</source>
        <translation>%1 ocupa más de 1 MiB: no es un archivo Scala.</translation>
    </message>
    <message>
        <source>%1 is not text: no Scala file.</source>
        <translation>%1 no es texto: no es un archivo Scala.</translation>
    </message>
    <message>
        <source>Extra Frets: &quot;%1&quot; is not k+ for a diatonic fret k from 1 to %2.</source>
        <translation>Trastes adicionales: «%1» no es k+ para un traste diatónico k de 1 a %2.</translation>
    </message>
    <message>
        <source>Extra Frets: %1 stands on diatonic fret %2.</source>
        <translation>Trastes adicionales: %1 cae sobre el traste diatónico %2.</translation>
    </message>
    <message>
        <source>zero fret</source>
        <translation>traste cero</translation>
    </message>
    <message>
        <source>first string, %1</source>
        <translation>primera cuerda, %1</translation>
    </message>
    <message>
        <source>piece %1 of %2</source>
        <translation>pieza %1 de %2</translation>
    </message>
    <message>
        <source>largest: %1 cents at fret %2</source>
        <translation>mayor: %1 cents en el traste %2</translation>
    </message>
    <message>
        <source>this instrument</source>
        <translation>este instrumento</translation>
    </message>
    <message>
        <source>+-%1 cents (audible)</source>
        <translation>+-%1 cents (audible)</translation>
    </message>
    <message>
        <source>rule of 18ths (1/18)</source>
        <translation>regla del 18 (1/18)</translation>
    </message>
    <message>
        <source>cents</source>
        <translation>cents</translation>
    </message>
    <message>
        <source>Varnel instrument check</source>
        <translation>Varnel: comprobación de un instrumento</translation>
    </message>
    <message>
        <source>Best model: %1</source>
        <translation>Mejor modelo: %1</translation>
    </message>
    <message>
        <source>fret</source>
        <translation>traste</translation>
    </message>
    <message>
        <source>measured (%1)</source>
        <translation>medido (%1)</translation>
    </message>
    <message>
        <source>best (%1)</source>
        <translation>mejor (%1)</translation>
    </message>
    <message>
        <source>residual (%1)</source>
        <translation>residuo (%1)</translation>
    </message>
    <message>
        <source>R %1</source>
        <translation>R %1</translation>
    </message>
    <message>
        <source>concave</source>
        <translation>cóncava</translation>
    </message>
    <message>
        <source>convex</source>
        <translation>convexa</translation>
    </message>
    <message>
        <source>concave, %1</source>
        <translation>cóncava, %1</translation>
    </message>
    <message>
        <source>convex, %1</source>
        <translation>convexa, %1</translation>
    </message>
    <message>
        <source>at the nut and the end</source>
        <translation>en la cejuela y en el extremo</translation>
    </message>
    <message>
        <source>at the nut</source>
        <translation>en la cejuela</translation>
    </message>
    <message>
        <source>at the end</source>
        <translation>en el extremo</translation>
    </message>
    <message>
        <source>The fretboard is flat: there is no radius to make a gauge for.</source>
        <translation>El diapasón es plano: no hay radio para el que hacer una plantilla.</translation>
    </message>
    <message>
        <source>A gauge&apos;s radius must be a number above 0.</source>
        <translation>El radio de una plantilla debe ser un número mayor que 0.</translation>
    </message>
    <message>
        <source>A radius of %1 is too small for a gauge %2 wide: it must be at least half the width.</source>
        <translation>Un radio de %1 es demasiado pequeño para una plantilla de %2 de ancho: debe ser al menos la mitad del ancho.</translation>
    </message>
    <message>
        <source>gauge width = %1</source>
        <translation>ancho de la plantilla = %1</translation>
    </message>
    <message>
        <source>per string</source>
        <translation>por cuerda</translation>
    </message>
    <message>
        <source>straight</source>
        <translation>recta</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>escrita</translation>
    </message>
    <message>
        <source>String set: %1</source>
        <translation>Juego de cuerdas: %1</translation>
    </message>
    <message>
        <source>Action: %1 at the nut, %2 at fret 12</source>
        <translation>Acción: %1 en la cejuela, %2 en el traste 12</translation>
    </message>
    <message>
        <source>Frets 1 to %1 in tune; saddle %2, nut compensated</source>
        <translation>Trastes 1 a %1 afinados; selleta %2, cejuela compensada</translation>
    </message>
    <message>
        <source>Frets 1 to %1 in tune; saddle %2</source>
        <translation>Trastes 1 a %1 afinados; selleta %2</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>largest</source>
        <translation>mayor</translation>
    </message>
    <message>
        <source>string</source>
        <translation>cuerda</translation>
    </message>
    <message>
        <source>saddle %1</source>
        <translation>selleta %1</translation>
    </message>
    <message>
        <source>nut %1</source>
        <translation>cejuela %1</translation>
    </message>
    <message>
        <source>cents before</source>
        <translation>cents antes</translation>
    </message>
    <message>
        <source>cents after</source>
        <translation>cents después</translation>
    </message>
    <message>
        <source>Varnel intonation report</source>
        <translation>Varnel: informe de entonación</translation>
    </message>
    <message>
        <source>Each string&apos;s error at each fret, dashed before and solid after the compensation.</source>
        <translation>El error de cada cuerda en cada traste, discontinuo antes y continuo después de la compensación.</translation>
    </message>
    <message>
        <source>scale %1 %3, %4 fret, %5</source>
        <translation>tiro %1 %3, %4 traste, %5</translation>
    </message>
    <message>
        <source>scale %1 %3, %4 frets, %5</source>
        <translation>tiro %1 %3, %4 trastes, %5</translation>
    </message>
    <message>
        <source>scale %1 to %2 %3, %4 fret, %5</source>
        <translation>tiro %1 a %2 %3, %4 traste, %5</translation>
    </message>
    <message>
        <source>scale %1 to %2 %3, %4 frets, %5</source>
        <translation>tiro %1 a %2 %3, %4 trastes, %5</translation>
    </message>
    <message>
        <source>%1 to %2 = %3</source>
        <translation>%1 a %2 = %3</translation>
    </message>
    <message>
        <source>nut</source>
        <translation>cejuela</translation>
    </message>
    <message>
        <source>fret %1</source>
        <translation>traste %1</translation>
    </message>
    <message>
        <source>check: %1</source>
        <translation>comprobación: %1</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>The fretboard is too long to print: it would take more than %1 pieces of paper.</source>
        <translation>El diapasón es demasiado largo para imprimirlo: necesitaría más de %1 trozos de papel.</translation>
    </message>
    <message>
        <source>The fretboard does not fit on a page of this paper: a piece needs %1 by %2 mm. Print on larger paper or in the other orientation.</source>
        <translation>El diapasón no cabe en una página de este papel: una pieza necesita %1 por %2 mm. Imprima en un papel más grande o en la otra orientación.</translation>
    </message>
    <message>
        <source>radius gauges for %1</source>
        <translation>plantillas de radio para %1</translation>
    </message>
    <message>
        <source>The radius gauges are too long to print: they would take more than %1 pieces of paper.</source>
        <translation>Las plantillas de radio son demasiado largas para imprimirlas: necesitarían más de %1 trozos de papel.</translation>
    </message>
    <message>
        <source>The radius gauges do not fit on a page of this paper: a piece needs %1 by %2 mm. Print on larger paper or in the other orientation.</source>
        <translation>Las plantillas de radio no caben en una página de este papel: una pieza necesita %1 por %2 mm. Imprima en un papel más grande o en la otra orientación.</translation>
    </message>
    <message>
        <source>The intonation needs a string set (Intonation, String Set; --string-set).</source>
        <translation>La entonación necesita un juego de cuerdas (Entonación, Juego de cuerdas; --string-set).</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 pulgadas</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Varnel printer calibration page</source>
        <translation>Varnel: página de calibración de la impresora</translation>
    </message>
    <message>
        <source>Horizontal ruler: %1</source>
        <translation>Regla horizontal: %1</translation>
    </message>
    <message>
        <source>Vertical ruler: %1</source>
        <translation>Regla vertical: %1</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <source>Paper: %1</source>
        <translation>Papel: %1</translation>
    </message>
    <message>
        <source>Correction in use: %1</source>
        <translation>Corrección en uso: %1</translation>
    </message>
    <message>
        <source>Measure each ruler with a steel rule, from its first tick to its last,</source>
        <translation>Mida cada regla con una regla de acero, desde su primera marca hasta la última,</translation>
    </message>
    <message>
        <source>and enter both lengths in Preferences, Printer Scale Calibration.</source>
        <translation>e introduzca ambas longitudes en Preferencias, Calibración de la escala de la impresora.</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>The measured %1 ruler must be a length in %2, such as %3. Measure it again.</source>
        <translation>La regla %1 medida debe ser una longitud en %2, como %3. Mídala de nuevo.</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>The measured %1 ruler of %2 is more than 3 % from its printed length of %3. Measure it again, from its first tick to its last.</source>
        <translation>La regla %1 medida de %2 se aparta más de un 3 % de su longitud impresa de %3. Mídala de nuevo, desde su primera marca hasta la última.</translation>
    </message>
    <message>
        <source>The %1 correction would be %2, more than 10 % from true. Check the printer&apos;s own scaling (print at 100 %), then Reset and calibrate again.</source>
        <translation>La corrección %1 sería %2, a más de un 10 % de lo real. Compruebe el escalado propio de la impresora (imprimir al 100 %), luego Restablecer y calibre de nuevo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer available; printing goes to the default printer.</source>
        <translation>La impresora «%1» ya no está disponible; la impresión va a la impresora predeterminada.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>a PDF needs a file</source>
        <translation>un PDF necesita un archivo</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing (*.dxf)</source>
        <translation>Dibujo DXF (*.dxf)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Text (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>Fret points as CSV (*.csv)</source>
        <translation>Puntos de traste en CSV (*.csv)</translation>
    </message>
    <message>
        <source>Radius gauges are written as a DXF, SVG or PDF file.</source>
        <translation>Las plantillas de radio se escriben como archivo DXF, SVG o PDF.</translation>
    </message>
    <message>
        <source>A fanned fretboard is written as a DXF, SVG, PDF or CSV file.</source>
        <translation>Un diapasón en abanico se escribe como archivo DXF, SVG, PDF o CSV.</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written.</source>
        <translation>No se pudo escribir el archivo PDF %1.</translation>
    </message>
    <message>
        <source>No printer is available. Install a printer, or make one the default, and try again.</source>
        <translation>No hay ninguna impresora disponible. Instale una impresora, o elija una predeterminada, e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The printer could not start the document. Check the printer and try again.</source>
        <translation>La impresora no pudo iniciar el documento. Compruebe la impresora e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error, and the document may be incomplete. Check the printer and try again.</source>
        <translation>La impresión falló: la impresora informó de un error y el documento puede estar incompleto. Compruebe la impresora e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>horizontal %1, vertical %2</source>
        <translation>horizontal %1, vertical %2</translation>
    </message>
    <message>
        <source>Scale corrected for %1: %2</source>
        <translation>Escala corregida para %1: %2</translation>
    </message>
    <message>
        <source>A template line of %1 mm, the space of %2 mm above it and the page&apos;s labels and check rule (%3 mm) are more than fits on the page (%4 mm printable). Set a smaller Space between template lines or Vertical Line Length, or print on larger paper.</source>
        <translation>Una línea de plantilla de %1 mm, el espacio de %2 mm sobre ella y los rótulos y la regla de comprobación de la página (%3 mm) no caben en la página (%4 mm imprimibles). Ponga un Espacio entre líneas o una Longitud de línea menor, o imprima en un papel más grande.</translation>
    </message>
    <message>
        <source>Fret %1 is %2 from the previous fret, more than fits across the printable width of %3. Print on wider paper or in landscape orientation.</source>
        <translation>El traste %1 está a %2 del traste anterior, más de lo que cabe en el ancho imprimible de %3. Imprima en un papel más ancho o en horizontal.</translation>
    </message>
    <message>
        <source>The page is too small for the report: it needs %1 x %2 mm.</source>
        <translation>La página es demasiado pequeña para el informe: necesita %1 x %2 mm.</translation>
    </message>
    <message>
        <source>Vertical (fret position marker) line width</source>
        <translation>Grosor de líneas verticales</translation>
    </message>
    <message>
        <source>Horizontal (alignment guide) line width</source>
        <translation>Grosor de líneas horizontales</translation>
    </message>
    <message>
        <source>Chart Font Size</source>
        <translation>Tamaño de letra de la tabla</translation>
    </message>
    <message>
        <source>Vertical Line Length</source>
        <translation>Longitud de línea</translation>
    </message>
    <message>
        <source>Space between template lines</source>
        <translation>Espacio entre líneas</translation>
    </message>
    <message>
        <source>The %1 of %2 pixels is outside the range %3 to %4 pixels. Set the %5 in Preferences, Set Print Options.</source>
        <translation>El %1 de %2 píxeles está fuera del intervalo de %3 a %4 píxeles. Ajuste «%5» en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>fret marker line width</source>
        <translation>grosor de las marcas de traste</translation>
    </message>
    <message>
        <source>alignment guide line width</source>
        <translation>grosor de la línea guía</translation>
    </message>
    <message>
        <source>The chart font size of %1 points is outside the range %2 to %3 points. Set the Chart Font Size in Preferences, Set Print Options.</source>
        <translation>El tamaño de letra de la tabla de %1 puntos está fuera del intervalo de %2 a %3 puntos. Ajuste «Tamaño de letra de la tabla» en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>The template line height of %1 mm must be more than 0 mm. Set the Vertical Line Length in Preferences, Set Print Options.</source>
        <translation>La altura de línea de la plantilla de %1 mm debe ser mayor que 0 mm. Ajuste «Longitud de línea» en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>The space between template lines of %1 mm must be 0 mm or more. Set the Space between template lines in Preferences, Set Print Options.</source>
        <translation>El espacio entre líneas de la plantilla de %1 mm debe ser de 0 mm o más. Ajuste «Espacio entre líneas» en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>The %1 is empty. Set the %1 in Preferences, Set Print Options.</source>
        <translation>«%1» está vacío. Ajuste «%1» en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a number. Set the %1 in Preferences, Set Print Options.</source>
        <translation>«%1» «%2» no es un número. Ajuste «%1» en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>The template line height of %1 mm is more than fits on the page (%2 printable). Set a smaller Vertical Line Length in Preferences, Set Print Options.</source>
        <translation>La altura de línea de la plantilla de %1 mm no cabe en la página (%2 imprimibles). Ajuste una «Longitud de línea» menor en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>The space between template lines of %1 mm leaves no room on the page for a template line of %2 mm (%3 printable). Set a smaller Space between template lines in Preferences, Set Print Options.</source>
        <translation>El espacio entre líneas de la plantilla de %1 mm no deja sitio en la página para una línea de plantilla de %2 mm (%3 imprimibles). Ajuste un «Espacio entre líneas» menor en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>At the chart font size of %1 points a chart line is %2 wide, more than fits across the printable width of %3. Set a smaller Chart Font Size in Preferences, Set Print Options.</source>
        <translation>Con un tamaño de letra de la tabla de %1 puntos, una línea de la tabla mide %2 de ancho, más de lo que cabe en el ancho imprimible de %3. Ajuste un «Tamaño de letra de la tabla» menor en Preferencias, Opciones de impresión.</translation>
    </message>
    <message>
        <source>The ReadMe file could not be read: %1</source>
        <translation>No se pudo leer el archivo Léame: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>No se pudieron guardar los ajustes: %1</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made.</source>
        <translation>no se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 is read-only.</source>
        <translation>%1 es de solo lectura.</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Fretboard Designer Template</source>
        <translation>Plantilla del diseñador de diapasón</translation>
    </message>
    <message>
        <source>Radius Gauges</source>
        <translation>Plantillas de radio</translation>
    </message>
    <message>
        <source>Intonation Report</source>
        <translation>Informe de entonación</translation>
    </message>
    <message>
        <source>Fret Chart</source>
        <translation>Tabla de trastes</translation>
    </message>
    <message>
        <source>Fret Slot Template</source>
        <translation>Plantilla de ranuras de traste</translation>
    </message>
    <message>
        <source>Calibration Page</source>
        <translation>Página de calibración</translation>
    </message>
    <message>
        <source>Instrument Check</source>
        <translation>Comprobación de un instrumento</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the printer&apos;s own paper</source>
        <translation>el papel propio de la impresora</translation>
    </message>
    <message>
        <source>%1, landscape</source>
        <translation>%1, horizontal</translation>
    </message>
    <message>
        <source>%1, portrait</source>
        <translation>%1, vertical</translation>
    </message>
    <message>
        <source>Varnel v.%1<byte value="xd"/>
Copyright (C) 2026 the Varnel developers<byte value="xd"/>
Varnel is free software under the GNU General Public License, version 2<byte value="xd"/>
or any later version; see the file LICENSE that comes with the program.<byte value="xd"/>
Questions, suggestions and problem reports are welcome:<byte value="xd"/>
write to varnel-support@example.org</source>
        <translation>Varnel v.%1<byte value="xd"/>
Copyright (C) 2026 los desarrolladores de Varnel<byte value="xd"/>
Varnel es software libre bajo la GNU General Public License, versión 2<byte value="xd"/>
o cualquier versión posterior; vea el archivo LICENSE adjunto.<byte value="xd"/>
Preguntas, sugerencias e informes de problemas son bienvenidos:<byte value="xd"/>
escriba a varnel-support@example.org</translation>
    </message>
</context>
</TS>
