<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>orvantis-cli</name>
    <message>
        <source>Instrument model: dvbt2, isdbt, base, or its model table row (15 = dvbt2, 16 = isdbt, 14 = base).</source>
        <translation>Modelo del instrumento: dvbt2, isdbt, base o su fila en la tabla de modelos (15 = dvbt2, 16 = isdbt, 14 = base).</translation>
    </message>
    <message>
        <source>Instrument firmware version.</source>
        <translation>Versión del firmware del instrumento.</translation>
    </message>
    <message>
        <source>detect, send, receive: every instrument at once, one per port.</source>
        <translation>detect, send, receive: todos los instrumentos a la vez, uno por puerto.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>send, restore, resave, points, verify, show, diff: take a project that did not load whole (the settings after the line that stopped it at their defaults).</source>
        <translation>send, restore, resave, points, verify, show, diff: acepta un proyecto que no se cargó entero (los ajustes posteriores a la línea que lo detuvo quedan en sus valores por defecto).</translation>
    </message>
    <message>
        <source>send, restore: do not back up the instrument&apos;s settings first.</source>
        <translation>send, restore: no hace antes la copia de seguridad de los ajustes del instrumento.</translation>
    </message>
    <message>
        <source>send, restore, backups: the folder of the backups (default ~/.local/share/orvantis/backups).</source>
        <translation>send, restore, backups: la carpeta de las copias de seguridad (por defecto ~/.local/share/orvantis/backups).</translation>
    </message>
    <message>
        <source>send, restore: write only the records that differ from what the instrument holds.</source>
        <translation>send, restore: escribe solo los registros que difieren de lo que tiene el instrumento.</translation>
    </message>
    <message>
        <source>send, restore: read the instrument back and compare afterwards.</source>
        <translation>send, restore: vuelve a leer el instrumento y compara después.</translation>
    </message>
    <message>
        <source>points plan: the first point to fill (1).</source>
        <translation>points plan: el primer punto que se rellena (1).</translation>
    </message>
    <message>
        <source>points plan: the points&apos; names; {n} is the channel (CH{n}).</source>
        <translation>points plan: los nombres de los puntos; {n} es el canal (CH{n}).</translation>
    </message>
    <message>
        <source>points plan: 7 and 8 MHz channels as DVB-T2, not DVB-T.</source>
        <translation>points plan: canales de 7 y 8 MHz como DVB-T2, no DVB-T.</translation>
    </message>
    <message>
        <source>new, resave, show, diff, points, plans, bands, ports, detect, receive, send, verify, backups, restore or term</source>
        <translation>new, resave, show, diff, points, plans, bands, ports, detect, receive, send, verify, backups, restore o term</translation>
    </message>
    <message>
        <source>Prepares and converts Orvantis+ project files (.pro) without the window.

Commands:
  new OUT.pro             a new project with the factory defaults, saved as OUT.pro
  resave IN.pro OUT.pro   opens IN.pro and saves it as OUT.pro
  points export IN.pro OUT.csv
                          writes the detection points of IN.pro as CSV
  points import IN.pro POINTS.csv OUT.pro
                          IN.pro with the points of POINTS.csv, saved as OUT.pro
                          (nothing is written unless every row passes the checks)
  plans                   lists the channel plans: built in, and ~/.local/share/orvantis/plans/*.csv
  plans show ID           every channel of plan ID with its centre in kHz, as a plan file
  points plan IN.pro ID CHANNELS OUT.pro [--first N] [--names PATTERN] [--dvb-t2]
                          IN.pro with points from N on (1) set to channels of plan ID
                          (21-48,50), named by PATTERN ({n} is the channel), saved as OUT.pro
  bands plan IN.pro BAND ID FIRST LAST OUT.pro
                          IN.pro with scan band BAND (1-4) from channel FIRST to LAST of plan ID
  ports                   lists COM1 to COM40 and the devices they stand for
  detect                  looks for the instrument on COM1 to COM40, or on --port (exit 0 when found)
  detect --all            tries every port and prints one line per instrument that answered
  receive OUT.pro         reads the instrument&apos;s settings and saves them as OUT.pro
                          (nothing is written unless every record was read)
  receive --all DIR       reads every instrument at once, each into DIR/&lt;name&gt;-&lt;port&gt;.pro
  send IN.pro             writes IN.pro into the instrument (exit 0 when every line was taken);
                          the instrument&apos;s settings are first backed up (see --no-backup)
  send --all IN.pro       writes IN.pro into every instrument at once, each backed up first;
                          a table of the instruments at the end (exit 0 when all took it)
  send --changed IN.pro   writes only the records that differ from what the instrument holds
                          (also with --all); when none differs nothing is written
  backups [list]          the backups of the backups folder (or --backup-dir), newest first
  backups diff A.pro B.pro
                          the settings that differ between two backups, as diff
  restore BACKUP.pro      sends a backup back, with a backup of the instrument first; into
                          another instrument than its own only with --force
  verify IN.pro           reads the instrument and compares it with IN.pro (exit 0 when the same)
  show IN.pro             the whole project in words
  diff A.pro B.pro        the settings that differ between two projects (exit 0 when none)
  term [PORT]             the serial terminal in this text terminal (Alt+H: help, Alt+Q: exit)

Ports: COM1 to COM40, or a serial port that another machine serves with ser2net:
  tcp://HOST:PORT         raw TCP (the line settings are the server&apos;s)
  rfc2217://HOST:PORT     Telnet with RFC 2217 (the program sets 115200 8N1)
Both carry the instrument&apos;s traffic unencrypted and without authentication.</source>
        <translation>Prepara y convierte archivos de proyecto de Orvantis+ (.pro) sin la ventana.

Comandos:
  new OUT.pro             un proyecto nuevo con los valores de fábrica, guardado como OUT.pro
  resave IN.pro OUT.pro   abre IN.pro y lo guarda como OUT.pro
  points export IN.pro OUT.csv
                          escribe los puntos de detección de IN.pro en CSV
  points import IN.pro POINTS.csv OUT.pro
                          IN.pro con los puntos de POINTS.csv, guardado como OUT.pro
                          (no se escribe nada salvo que todas las filas pasen las comprobaciones)
  plans                   lista los planes de canales: los incorporados y ~/.local/share/orvantis/plans/*.csv
  plans show ID           todos los canales del plan ID con su frecuencia central en kHz, como archivo de plan
  points plan IN.pro ID CHANNELS OUT.pro [--first N] [--names PATTERN] [--dvb-t2]
                          IN.pro con los puntos desde N (1) en los canales CHANNELS del plan ID
                          (21-48,50), con nombres según PATTERN ({n} es el canal), guardado como OUT.pro
  bands plan IN.pro BAND ID FIRST LAST OUT.pro
                          IN.pro con la banda de barrido BAND (1-4) del canal FIRST al LAST del plan ID
  ports                   lista COM1 a COM40 y los dispositivos que representan
  detect                  busca el instrumento en COM1 a COM40, o en --port (salida 0 si lo encuentra)
  detect --all            prueba todos los puertos e imprime una línea por instrumento que respondió
  receive OUT.pro         lee los ajustes del instrumento y los guarda como OUT.pro
                          (no se escribe nada salvo que se hayan leído todos los registros)
  receive --all DIR       lee todos los instrumentos a la vez, cada uno en DIR/&lt;nombre&gt;-&lt;puerto&gt;.pro
  send IN.pro             escribe IN.pro en el instrumento (salida 0 si aceptó todas las líneas);
                          antes se hace una copia de seguridad de sus ajustes (ver --no-backup)
  send --all IN.pro       escribe IN.pro en todos los instrumentos a la vez, cada uno con copia previa;
                          una tabla de los instrumentos al final (salida 0 si todos lo aceptaron)
  send --changed IN.pro   escribe solo los registros que difieren de lo que tiene el instrumento
                          (también con --all); si ninguno difiere no se escribe nada
  backups [list]          las copias de seguridad de la carpeta (o --backup-dir), la más reciente primero
  backups diff A.pro B.pro
                          los ajustes que difieren entre dos copias de seguridad, como diff
  restore BACKUP.pro      devuelve una copia de seguridad al instrumento, con copia previa de este;
                          a un instrumento distinto del suyo solo con --force
  verify IN.pro           lee el instrumento y lo compara con IN.pro (salida 0 si son iguales)
  show IN.pro             el proyecto completo en palabras
  diff A.pro B.pro        los ajustes que difieren entre dos proyectos (salida 0 si ninguno)
  term [PORT]             el terminal serie en este terminal de texto (Alt+H: ayuda, Alt+Q: salir)

Puertos: COM1 a COM40, o un puerto serie que otra máquina sirve con ser2net:
  tcp://HOST:PORT         TCP en bruto (los ajustes de la línea son los del servidor)
  rfc2217://HOST:PORT     Telnet con RFC 2217 (el programa fija 115200 8N1)
Ambos llevan el tráfico del instrumento sin cifrar y sin autenticación.</translation>
    </message>
    <message>
        <source>detect, receive, send, verify: look for the instrument on this port alone, e.g. COM3 or tcp://bench1:3001.</source>
        <translation>detect, receive, send, verify: busca el instrumento solo en este puerto, p. ej. COM3 o tcp://bench1:3001.</translation>
    </message>
    <message>
        <source>with --all: only these ports, e.g. COM2,COM5-COM9,tcp://bench1:3001.</source>
        <translation>con --all: solo estos puertos, p. ej. COM2,COM5-COM9,tcp://bench1:3001.</translation>
    </message>
</context>
<context>
    <name>orvantis::NumberText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un valor entero válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor numérico válido</translation>
    </message>
</context>
<context>
    <name>orvantis::PlanParts</name>
    <message>
        <source>Europe VHF band III</source>
        <translation>VHF de Europa, banda III</translation>
    </message>
    <message>
        <source>Europe UHF (Geneva 2006 plan)</source>
        <translation>UHF de Europa (plan de Ginebra 2006)</translation>
    </message>
    <message>
        <source>European cable, S channels</source>
        <translation>Cable europeo, canales S</translation>
    </message>
    <message>
        <source>Australia VHF</source>
        <translation>VHF de Australia</translation>
    </message>
    <message>
        <source>Australia UHF</source>
        <translation>UHF de Australia</translation>
    </message>
    <message>
        <source>Brazil and ISDB-Tb countries, VHF</source>
        <translation>Brasil y países con ISDB-Tb, VHF</translation>
    </message>
    <message>
        <source>Brazil and ISDB-Tb countries, UHF</source>
        <translation>Brasil y países con ISDB-Tb, UHF</translation>
    </message>
    <message>
        <source>Japan UHF</source>
        <translation>UHF de Japón</translation>
    </message>
    <message>
        <source>User plan %1.csv</source>
        <translation>Plan del usuario %1.csv</translation>
    </message>
    <message>
        <source>Not offered: %1: %2</source>
        <translation>No disponible: %1: %2</translation>
    </message>
</context>
<context>
    <name>orvantis::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Remote control and configuration for Orvantis+. ORVANTIS+ - Terrestrial Analyser DVB-T/T2.</source>
        <translation>Control remoto y configuración del Orvantis+. ORVANTIS+ - Analizador de TV terrestre DVB-T/T2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
</context>
<context>
    <name>orvantis::TBackupsDlg</name>
    <message>
        <source>Instrument Backups</source>
        <translation>Copias de seguridad del instrumento</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Instrumento:</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Hecha el</translation>
    </message>
    <message>
        <source>Points in use</source>
        <translation>Puntos en uso</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Compare with Project</source>
        <translation>C&amp;omparar con el proyecto</translation>
    </message>
    <message>
        <source>Compare &amp;Two Selected</source>
        <translation>Comparar las &amp;dos seleccionadas</translation>
    </message>
    <message>
        <source>&amp;Restore to Instrument...</source>
        <translation>&amp;Restaurar en el instrumento...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar en la car&amp;peta</translation>
    </message>
    <message>
        <source>All instruments</source>
        <translation>Todos los instrumentos</translation>
    </message>
    <message>
        <source>No backups in %1 yet: every Send leaves one there.</source>
        <translation>Todavía no hay copias de seguridad en %1: cada envío deja una allí.</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Carpeta: %1</translation>
    </message>
    <message>
        <source>%1, copy %2</source>
        <translation>%1, copia %2</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>ilegible</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup %1 cannot be read: %2.</source>
        <translation>No se puede leer la copia de seguridad %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ between the project and the backup of %1:</source>
        <translation>
            <numerusform>%n ajuste difiere entre el proyecto y la copia de seguridad del %1:</numerusform>
            <numerusform>%n ajustes difieren entre el proyecto y la copia de seguridad del %1:</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of %1 holds the settings of the project.</source>
        <translation>La copia de seguridad del %1 tiene los ajustes del proyecto.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ between %1 and %2:</source>
        <translation>
            <numerusform>%n ajuste difiere entre %1 y %2:</numerusform>
            <numerusform>%n ajustes difieren entre %1 y %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 hold the same settings.</source>
        <translation>%1 y %2 tienen los mismos ajustes.</translation>
    </message>
    <message>
        <source>Delete the backup %1?

It cannot be brought back.</source>
        <translation>¿Eliminar la copia de seguridad %1?

No se podrá recuperar.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n selected backups?

They cannot be brought back.</source>
        <translation>
            <numerusform>¿Eliminar la copia de seguridad seleccionada?

No se podrá recuperar.</numerusform>
            <numerusform>¿Eliminar las %n copias de seguridad seleccionadas?

No se podrán recuperar.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Orvantis error</source>
        <translation>Error de Orvantis</translation>
    </message>
    <message>
        <source>Not deleted:
</source>
        <translation>No eliminadas:
</translation>
    </message>
    <message>
        <source>The folder %1 could not be shown.</source>
        <translation>No se pudo mostrar la carpeta %1.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Lista de copias de seguridad</translation>
    </message>
</context>
<context>
    <name>orvantis::TCfgEditorDlg</name>
    <message>
        <source>Orvantis error</source>
        <translation>Error de Orvantis</translation>
    </message>
    <message>
        <source>Max Freq 858MHz</source>
        <translation>Frec. máx. 858MHz</translation>
    </message>
    <message>
        <source>Min Freq 170MHz</source>
        <translation>Frec. mín. 170MHz</translation>
    </message>
    <message>
        <source>End Freq must be higher than Start Freq!</source>
        <translation>¡La frec. final debe ser mayor que la frec. inicial!</translation>
    </message>
    <message>
        <source>Start Freq must be lower than End Freq</source>
        <translation>La frec. inicial debe ser menor que la frec. final</translation>
    </message>
    <message>
        <source>Configuration editor</source>
        <translation>Editor de configuración</translation>
    </message>
    <message>
        <source>Initial detection point index: </source>
        <translation>Índice del punto de detección inicial: </translation>
    </message>
    <message>
        <source>Last detection point index: </source>
        <translation>Índice del último punto de detección: </translation>
    </message>
    <message>
        <source>noise voltage measured</source>
        <translation>tensión de ruido medida</translation>
    </message>
    <message>
        <source>Minimum noise level to detect signal:</source>
        <translation>Nivel mínimo de ruido para detectar señal:</translation>
    </message>
    <message>
        <source>reference value for PASS installation</source>
        <translation>valor de referencia para una instalación PASS</translation>
    </message>
    <message>
        <source>MER threshold for high quality signal: </source>
        <translation>Umbral de MER para señal de alta calidad: </translation>
    </message>
    <message>
        <source>External Power Supply Control for Amplifiers</source>
        <translation>Control de la alimentación externa de amplificadores</translation>
    </message>
    <message>
        <source>EPS CONTROL ON</source>
        <translation>ALIMENTACIÓN EXT. ENCENDIDA</translation>
    </message>
    <message>
        <source>EPS CONTROL OFF</source>
        <translation>ALIMENTACIÓN EXT. APAGADA</translation>
    </message>
    <message>
        <source>ON (LNB On) or OFF (LNB Off)</source>
        <translation>ENCENDIDA (LNB encendido) o APAGADA (LNB apagado)</translation>
    </message>
    <message>
        <source>Units Selection</source>
        <translation>Unidad de medida</translation>
    </message>
    <message>
        <source>CBER (with Bar)</source>
        <translation>CBER (con barra)</translation>
    </message>
    <message>
        <source>VBER(with Bar)</source>
        <translation>VBER (con barra)</translation>
    </message>
    <message>
        <source>Both (CBER+VBER)</source>
        <translation>Ambos (CBER+VBER)</translation>
    </message>
    <message>
        <source>BER selection DVB-T</source>
        <translation>Selección de BER DVB-T</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Only Warnings</source>
        <translation>Solo avisos</translation>
    </message>
    <message>
        <source>Sound Selection</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>APAGADA</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ENCENDIDA</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Backlight Mode</source>
        <translation>Modo de retroiluminación</translation>
    </message>
    <message>
        <source>Display Contrast (Min  -  Max)</source>
        <translation>Contraste de pantalla (mín.  -  máx.)</translation>
    </message>
    <message>
        <source>SCAN %1 </source>
        <translation>BARRIDO %1 </translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Center (KHz)</source>
        <translation>Central (KHz)</translation>
    </message>
    <message>
        <source>Start Freq</source>
        <translation>Frec. inicial</translation>
    </message>
    <message>
        <source>End Freq</source>
        <translation>Frec. final</translation>
    </message>
    <message>
        <source>STEP SCAN</source>
        <translation>PASO DEL BARRIDO</translation>
    </message>
    <message>
        <source>BW: 5MHz, 6MHz, 7MHz or 8MHz</source>
        <translation>Ancho de banda: 5MHz, 6MHz, 7MHz u 8MHz</translation>
    </message>
    <message>
        <source>Initial Char</source>
        <translation>Carácter inicial</translation>
    </message>
    <message>
        <source>Initial Index</source>
        <translation>Índice inicial</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>En blanco</translation>
    </message>
</context>
<context>
    <name>orvantis::TChannelPlansDlg</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Start Freq</source>
        <translation>Frec. inicial</translation>
    </message>
    <message>
        <source>End Freq</source>
        <translation>Frec. final</translation>
    </message>
    <message>
        <source>STEP SCAN</source>
        <translation>PASO DEL BARRIDO</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primer canal</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Channel Plans</source>
        <translation>Planes de canales</translation>
    </message>
    <message>
        <source>SCAN %1</source>
        <translation>BARRIDO %1</translation>
    </message>
    <message>
        <source>&amp;Scan band:</source>
        <translation>Banda de &amp;barrido:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan de canales:</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>P&amp;rimer canal:</translation>
    </message>
    <message>
        <source>&amp;Last channel:</source>
        <translation>Ú&amp;ltimo canal:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>After OK</source>
        <translation>Tras Aceptar</translation>
    </message>
    <message>
        <source>no plan chosen</source>
        <translation>no se eligió ningún plan</translation>
    </message>
    <message>
        <source>The band cannot be set: %1.</source>
        <translation>No se puede fijar la banda: %1.</translation>
    </message>
</context>
<context>
    <name>orvantis::TConsoleWindow</name>
    <message>
        <source>%1 - Terminal</source>
        <translation>%1 - Terminal serie</translation>
    </message>
</context>
<context>
    <name>orvantis::TDetPointsDlg</name>
    <message>
        <source>ORVANTIS+ error</source>
        <translation>Error de ORVANTIS+</translation>
    </message>
    <message>
        <source>Usually, left as Auto</source>
        <translation>Normalmente, se deja en Auto</translation>
    </message>
    <message>
        <source>Detection points editor</source>
        <translation>Editor de puntos de detección</translation>
    </message>
    <message>
        <source>Select index to edit a test point: </source>
        <translation>Seleccione el índice del punto de detección: </translation>
    </message>
    <message>
        <source>Spectral inversion</source>
        <translation>Inversión espectral</translation>
    </message>
    <message>
        <source>Autodetected, if not specified</source>
        <translation>Se detecta automáticamente si no se indica</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Channel Name (8 chars)</source>
        <translation>Nombre del canal (8 caracteres)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>BW Filter</source>
        <translation>Filtro de ancho de banda</translation>
    </message>
    <message>
        <source>FFT Mode</source>
        <translation>Modo FFT</translation>
    </message>
    <message>
        <source>Guard Interval</source>
        <translation>Intervalo de guarda</translation>
    </message>
    <message>
        <source>Max Freq 858MHz</source>
        <translation>Frec. máx. 858MHz</translation>
    </message>
    <message>
        <source>Min Freq 170MHz</source>
        <translation>Frec. mín. 170MHz</translation>
    </message>
</context>
<context>
    <name>orvantis::TFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Solo palabras &amp;completas</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvantis::TFleet</name>
    <message>
        <source>; %1 would not open</source>
        <translation>; %1 no se pudo abrir</translation>
    </message>
    <message>
        <source>no instrument answered on the %1 ports tried</source>
        <translation>ningún instrumento respondió en los %1 puertos probados</translation>
    </message>
    <message>
        <source>1 instrument found</source>
        <translation>1 instrumento encontrado</translation>
    </message>
    <message>
        <source>%1 instruments found</source>
        <translation>%1 instrumentos encontrados</translation>
    </message>
    <message>
        <source>sent to %1 of %2 instruments</source>
        <translation>enviado a %1 de %2 instrumentos</translation>
    </message>
    <message>
        <source>received from %1 of %2 instruments</source>
        <translation>recibido de %1 de %2 instrumentos</translation>
    </message>
    <message>
        <source>backing up</source>
        <translation>haciendo copia de seguridad</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>recibiendo</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviando</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>received</source>
        <translation>recibido</translation>
    </message>
    <message>
        <source>detecting</source>
        <translation>detectando</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>no disponible</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>no usado</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrado</translation>
    </message>
    <message>
        <source>an unexpected failure</source>
        <translation>un fallo inesperado</translation>
    </message>
</context>
<context>
    <name>orvantis::TFormDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvantis::TMainForm</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create file</source>
        <translation>Crear archivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>Save file as</source>
        <translation>Guardar archivo como</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Point</source>
        <translation>&amp;Punto</translation>
    </message>
    <message>
        <source>Edit detection points</source>
        <translation>Editar puntos de detección</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Edit equipment configuration</source>
        <translation>Editar la configuración del equipo</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Mensaje</translation>
    </message>
    <message>
        <source>Edit text messages</source>
        <translation>Editar los mensajes de texto</translation>
    </message>
    <message>
        <source>Point &amp;List...</source>
        <translation>&amp;Lista de puntos...</translation>
    </message>
    <message>
        <source>Edit every detection point in one list</source>
        <translation>Editar todos los puntos de detección en una lista</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Send data to equipment</source>
        <translation>Enviar datos al equipo</translation>
    </message>
    <message>
        <source>Send to &amp;All Instruments...</source>
        <translation>Enviar a &amp;todos los instrumentos...</translation>
    </message>
    <message>
        <source>Send the project to every instrument at once</source>
        <translation>Enviar el proyecto a todos los instrumentos a la vez</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Recibir</translation>
    </message>
    <message>
        <source>Receive data from the equipment</source>
        <translation>Recibir datos del equipo</translation>
    </message>
    <message>
        <source>&amp;Compare with instrument</source>
        <translation>C&amp;omparar con el instrumento</translation>
    </message>
    <message>
        <source>Read the equipment and compare it with the project</source>
        <translation>Leer el equipo y compararlo con el proyecto</translation>
    </message>
    <message>
        <source>&amp;Back up before Send</source>
        <translation>&amp;Copia de seguridad antes de enviar</translation>
    </message>
    <message>
        <source>Keep a copy of the equipment&apos;s settings before every send</source>
        <translation>Guardar una copia de los ajustes del equipo antes de cada envío</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>Editor de te&amp;xto</translation>
    </message>
    <message>
        <source>Text editor application</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>&amp;Terminal</source>
        <translation>Terminal &amp;serie</translation>
    </message>
    <message>
        <source>Terminal for remote control</source>
        <translation>Terminal para control remoto</translation>
    </message>
    <message>
        <source>&amp;Monitor</source>
        <translation>Mo&amp;nitorizar</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Control remoto</translation>
    </message>
    <message>
        <source>&amp;Detect</source>
        <translation>&amp;Detectar</translation>
    </message>
    <message>
        <source>Detect COM port</source>
        <translation>Detectar el puerto COM</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Show application info</source>
        <translation>Mostrar información del programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Equipment?</source>
        <translation>¿Equipo?</translation>
    </message>
    <message>
        <source>Port?</source>
        <translation>¿Puerto?</translation>
    </message>
    <message>
        <source>The recovery copy of the unsaved changes could not be written.</source>
        <translation>No se pudo escribir la copia de recuperación de los cambios sin guardar.</translation>
    </message>
    <message>
        <source>The changes to %1 kept when the program ended on %2 cannot be restored: %3

The copy is kept as %4.</source>
        <translation>Los cambios en %1 guardados cuando el programa terminó el %2 no se pueden restaurar: %3

La copia se guarda como %4.</translation>
    </message>
    <message>
        <source>The program ended on %1 without saving the changes to %2.

Restore them? They come back as an unsaved project. Later keeps them for the next start.</source>
        <translation>El programa terminó el %1 sin guardar los cambios en %2.

¿Restaurarlos? Vuelven como un proyecto sin guardar. Más tarde los conserva para el próximo inicio.</translation>
    </message>
    <message>
        <source>Please wait: the instrument operation is still running.</source>
        <translation>Espere: la operación con el instrumento todavía está en curso.</translation>
    </message>
    <message>
        <source>Compare with instrument</source>
        <translation>Comparar con el instrumento</translation>
    </message>
    <message>
        <source>The instrument could not be read: see the log.</source>
        <translation>No se pudo leer el instrumento: vea el registro.</translation>
    </message>
    <message>
        <source>The instrument holds the settings of the project.</source>
        <translation>El instrumento tiene los ajustes del proyecto.</translation>
    </message>
    <message>
        <source>... and %1 more, all in the log.</source>
        <translation>... y %1 más, todos en el registro.</translation>
    </message>
    <message>
        <source>%1 settings differ between the project and the instrument:

</source>
        <translation>%1 ajustes difieren entre el proyecto y el instrumento:

</translation>
    </message>
    <message>
        <source>The instrument operation is still running. Close the program when it has ended.</source>
        <translation>La operación con el instrumento todavía está en curso. Cierre el programa cuando haya terminado.</translation>
    </message>
    <message>
        <source>Close the terminal first.</source>
        <translation>Cierre primero el terminal.</translation>
    </message>
    <message>
        <source>Orvantis error</source>
        <translation>Error de Orvantis</translation>
    </message>
    <message>
        <source>The log file %1 could not be written.

%2</source>
        <translation>No se pudo escribir el archivo de registro %1.

%2</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>C&amp;hannel Plans...</source>
        <translation>Pla&amp;nes de canales...</translation>
    </message>
    <message>
        <source>Set a scan band from a country&apos;s channel plan</source>
        <translation>Fijar una banda de barrido según el plan de canales de un país</translation>
    </message>
    <message>
        <source>Send Only C&amp;hanges</source>
        <translation>Enviar solo los c&amp;ambios</translation>
    </message>
    <message>
        <source>Write only the records that differ from what the equipment holds</source>
        <translation>Escribir solo los registros que difieren de lo que tiene el equipo</translation>
    </message>
    <message>
        <source>Instrument Bac&amp;kups...</source>
        <translation>Copias de seguridad del &amp;instrumento...</translation>
    </message>
    <message>
        <source>Find, compare and restore the backups that every send leaves</source>
        <translation>Buscar, comparar y restaurar las copias de seguridad que deja cada envío</translation>
    </message>
    <message>
        <source>

The project did not load whole, so this says nothing of the file after its bad line:
</source>
        <translation>

El proyecto no se cargó entero, así que esto no dice nada del archivo después de su línea errónea:
</translation>
    </message>
    <message>
        <source>The backup %1 cannot be read: %2.</source>
        <translation>No se puede leer la copia de seguridad %1: %2.</translation>
    </message>
    <message>
        <source>not named as a backup</source>
        <translation>su nombre no es el de una copia de seguridad</translation>
    </message>
    <message>
        <source>the %1 on %2</source>
        <translation>el %1 en %2</translation>
    </message>
    <message>
        <source>the instrument</source>
        <translation>el instrumento</translation>
    </message>
    <message>
        <source>Restore to Instrument</source>
        <translation>Restaurar en el instrumento</translation>
    </message>
    <message>
        <source>Send the backup of %1 taken on %2 into %3?

Every setting of the instrument is replaced; its present settings are backed up first.</source>
        <translation>¿Enviar la copia de seguridad del %1 hecha el %2 a %3?

Se reemplazan todos los ajustes del instrumento; antes se hace una copia de seguridad de los actuales.</translation>
    </message>
    <message>
        <source>This backup was taken from an instrument named %1, but the one on %2 is named %3.

Send it into this instrument all the same?</source>
        <translation>Esta copia de seguridad se hizo de un instrumento llamado %1, pero el que está en %2 se llama %3.

¿Enviarla a este instrumento de todos modos?</translation>
    </message>
    <message>
        <source>&amp;Network Ports...</source>
        <translation>&amp;Puertos de red...</translation>
    </message>
    <message>
        <source>Serial ports served over the network</source>
        <translation>Puertos serie servidos por la red</translation>
    </message>
</context>
<context>
    <name>orvantis::TMessEditDlg</name>
    <message>
        <source>Text messages editor</source>
        <translation>Editor de mensajes de texto</translation>
    </message>
    <message>
        <source>Select the message to edit:</source>
        <translation>Seleccione el mensaje a editar:</translation>
    </message>
    <message>
        <source>current message</source>
        <translation>mensaje actual</translation>
    </message>
    <message>
        <source>hex index</source>
        <translation>índice hexadecimal</translation>
    </message>
    <message>
        <source>editable window</source>
        <translation>ventana editable</translation>
    </message>
    <message>
        <source>restore text</source>
        <translation>restaurar el texto</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>introducir la contraseña</translation>
    </message>
    <message>
        <source>current:</source>
        <translation>actual:</translation>
    </message>
    <message>
        <source>edited:</source>
        <translation>editado:</translation>
    </message>
</context>
<context>
    <name>orvantis::TNetworkPortsDlg</name>
    <message>
        <source>Network Ports</source>
        <translation>Puertos de red</translation>
    </message>
    <message>
        <source>Serial ports that another machine serves over the network with ser2net. Detect tries them after COM1 to COM40.</source>
        <translation>Puertos serie que otra máquina sirve por la red con ser2net. El comando Detectar los prueba después de COM1 a COM40.</translation>
    </message>
    <message>
        <source>tcp://bench1:3001 or rfc2217://bench1:3002</source>
        <translation>tcp://banco1:3001 o rfc2217://banco1:3002</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Terminal</source>
        <translation>Terminal &amp;serie</translation>
    </message>
    <message>
        <source>Open the terminal on the selected port</source>
        <translation>Abrir el terminal serie en el puerto seleccionado</translation>
    </message>
    <message>
        <source>Both kinds carry the instrument&apos;s traffic unencrypted and without a password: serve them on 127.0.0.1 and reach another machine through an SSH tunnel.</source>
        <translation>Ambos tipos llevan el tráfico del instrumento sin cifrar y sin contraseña: sírvalos en 127.0.0.1 y llegue a otra máquina por un túnel SSH.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no network port: give tcp://HOST:PORT or rfc2217://HOST:PORT.</source>
        <translation>&quot;%1&quot; no es un puerto de red: indique tcp://HOST:PUERTO o rfc2217://HOST:PUERTO.</translation>
    </message>
    <message>
        <source>Network port address</source>
        <translation>Dirección del puerto de red</translation>
    </message>
    <message>
        <source>Network ports</source>
        <translation>Puertos de red</translation>
    </message>
</context>
<context>
    <name>orvantis::TPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Enter service password:</source>
        <translation>Introduzca la contraseña de servicio:</translation>
    </message>
</context>
<context>
    <name>orvantis::TPlanFillDlg</name>
    <message>
        <source>Fill from Plan</source>
        <translation>Rellenar desde un plan</translation>
    </message>
    <message>
        <source>Channels and ranges, separated by commas: 21-48,50 or S11-S13,S23</source>
        <translation>Canales y rangos, separados por comas: 21-48,50 o S11-S13,S23</translation>
    </message>
    <message>
        <source>{n} becomes the channel as the plan names it; at most 8 characters</source>
        <translation>{n} se convierte en el canal tal como lo nombra el plan; como máximo 8 caracteres</translation>
    </message>
    <message>
        <source>DVB-T&amp;2 rather than DVB-T for 7 and 8 MHz channels</source>
        <translation>DVB-T&amp;2 en lugar de DVB-T para los canales de 7 y 8 MHz</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plan de canales:</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Canales:</translation>
    </message>
    <message>
        <source>&amp;First point:</source>
        <translation>P&amp;rimer punto:</translation>
    </message>
    <message>
        <source>&amp;Names ({n} = channel):</source>
        <translation>&amp;Nombres ({n} = canal):</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>After OK</source>
        <translation>Tras Aceptar</translation>
    </message>
    <message>
        <source>no plan chosen</source>
        <translation>no se eligió ningún plan</translation>
    </message>
    <message>
        <source>Nothing can be filled: %1.</source>
        <translation>No se puede rellenar nada: %1.</translation>
    </message>
    <message>
        <source>Points %1 to %2 take %3 channels of %4; the other points keep what they hold.</source>
        <translation>Los puntos %1 a %2 toman %3 canales de %4; los demás puntos conservan lo que tienen.</translation>
    </message>
</context>
<context>
    <name>orvantis::TPointListDlg</name>
    <message>
        <source>ORVANTIS+ error</source>
        <translation>Error de ORVANTIS+</translation>
    </message>
    <message>
        <source>CSV files|*.csv|All files|*</source>
        <translation>Archivos CSV|*.csv|Todos los archivos|*</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Frequency (KHz)</source>
        <translation>Frecuencia (KHz)</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nombre del canal</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>BW Filter</source>
        <translation>Filtro de ancho de banda</translation>
    </message>
    <message>
        <source>FFT Mode</source>
        <translation>Modo FFT</translation>
    </message>
    <message>
        <source>Guard Interval</source>
        <translation>Intervalo de guarda</translation>
    </message>
    <message>
        <source>Spectral inversion</source>
        <translation>Inversión espectral</translation>
    </message>
    <message>
        <source>Detection points list</source>
        <translation>Lista de puntos de detección</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Point %1, %2, %3</source>
        <translation>Punto %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 point %2 first.

%3.</source>
        <translation>%1 el punto %2 primero.

%3.</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corrija</translation>
    </message>
    <message>
        <source>Import points</source>
        <translation>Importar puntos</translation>
    </message>
    <message>
        <source>Nothing was imported from %1</source>
        <translation>No se importó nada de %1</translation>
    </message>
    <message>
        <source>To export, correct</source>
        <translation>Para exportar, corrija</translation>
    </message>
    <message>
        <source>Export points</source>
        <translation>Exportar puntos</translation>
    </message>
    <message>
        <source>Nothing was pasted</source>
        <translation>No se pegó nada</translation>
    </message>
    <message>
        <source>Detection points</source>
        <translation>Puntos de detección</translation>
    </message>
    <message>
        <source>Double-click a cell to change it. Copy and Paste carry whole rows as CSV text, as spreadsheets copy them.</source>
        <translation>Haga doble clic en una celda para cambiarla. Copiar y Pegar llevan filas enteras como texto CSV, como las copian las hojas de cálculo.</translation>
    </message>
    <message>
        <source>Fill from Plan...</source>
        <translation>Rellenar desde un plan...</translation>
    </message>
</context>
<context>
    <name>orvantis::TProject</name>
    <message>
        <source>Orvantis error</source>
        <translation>Error de Orvantis</translation>
    </message>
    <message>
        <source>Orvantis Editor</source>
        <translation>Editor de Orvantis</translation>
    </message>
    <message>
        <source>The current file has been modified. Save changes?</source>
        <translation>El archivo actual se ha modificado. ¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Open PRO file</source>
        <translation>Abrir archivo PRO</translation>
    </message>
    <message>
        <source>PRO files|*.pro</source>
        <translation>Archivos PRO|*.pro</translation>
    </message>
    <message>
        <source>The file %1 is not a text file.</source>
        <translation>El archivo %1 no es un archivo de texto.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>%1: line %2 not loaded: %3; the settings after it are at their defaults</source>
        <translation>%1: línea %2 no cargada: %3; los ajustes posteriores están en sus valores por defecto</translation>
    </message>
    <message>
        <source>.

Save it all the same? The file will hold those defaults in place of that line and the lines after it.</source>
        <translation>.

¿Guardarlo de todos modos? El archivo tendrá esos valores por defecto en lugar de esa línea y las siguientes.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>PRO file|*.pro</source>
        <translation>Archivo PRO|*.pro</translation>
    </message>
    <message>
        <source>Unable to save the file

</source>
        <translation>No se pudo guardar el archivo

</translation>
    </message>
</context>
<context>
    <name>orvantis::TQtPrompter</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>orvantis::TScratchPad</name>
    <message>
        <source>Tools Editor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;rinter setup...</source>
        <translation>Configurar im&amp;presora...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Exit editor</source>
        <translation>Salir del editor</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>Archivo nuevo</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The current file has been modified. Save changes?</source>
        <translation>El archivo actual se ha modificado. ¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>PRO files|*.pro|LOG files|*.log|generic text files|*.txt|All|*.*</source>
        <translation>Archivos PRO|*.pro|Archivos LOG|*.log|Archivos de texto|*.txt|Todos|*.*</translation>
    </message>
    <message>
        <source>Unable to edit: the file is too long</source>
        <translation>No se puede editar: el archivo es demasiado largo</translation>
    </message>
    <message>
        <source>Unable to edit: the file cannot be read.
%1</source>
        <translation>No se puede editar: no se puede leer el archivo.
%1</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Unable to print: the printer could not start the document.</source>
        <translation>No se puede imprimir: la impresora no pudo iniciar el documento.</translation>
    </message>
    <message>
        <source>Error at finding text</source>
        <translation>Error al buscar el texto</translation>
    </message>
    <message>
        <source>Text not found</source>
        <translation>Texto no encontrado</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Tools Editor: %1</source>
        <translation>Editor de texto: %1</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>orvantis::TSendAllDlg</name>
    <message>
        <source>Send to All Instruments</source>
        <translation>Enviar a todos los instrumentos</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sending %1 to the instruments on %2 ports at once...</source>
        <translation>Enviando %1 a los instrumentos en %2 puertos a la vez...</translation>
    </message>
    <message>
        <source>Backup: </source>
        <translation>Copia de seguridad: </translation>
    </message>
    <message>
        <source>. The log holds every port&apos;s lines and the table.</source>
        <translation>. El registro tiene las líneas de cada puerto y la tabla.</translation>
    </message>
    <message>
        <source> The dialog closes when every port is done.</source>
        <translation> La ventana se cierra cuando terminan todos los puertos.</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Puertos</translation>
    </message>
</context>
<context>
    <name>orvantis::TSession</name>
    <message>
        <source>Orvantis error</source>
        <translation>Error de Orvantis</translation>
    </message>
    <message>
        <source>Unable to receive data</source>
        <translation>No se pudieron recibir los datos</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Error loading equipment data. Using default.</source>
        <translation>Error al cargar los datos del equipo. Se usan los valores por defecto.</translation>
    </message>
    <message>
        <source>.

Send it to the instrument all the same?</source>
        <translation>.

¿Enviarlo al instrumento de todos modos?</translation>
    </message>
    <message>
        <source>Unable to send data</source>
        <translation>No se pudieron enviar los datos</translation>
    </message>
    <message>
        <source>The instrument&apos;s settings could not be backed up: %1.

Send without a backup?</source>
        <translation>No se pudo hacer la copia de seguridad de los ajustes del instrumento: %1.

¿Enviar sin copia de seguridad?</translation>
    </message>
    <message>
        <source>Unable to read the equipment</source>
        <translation>No se pudo leer el equipo</translation>
    </message>
</context>
</TS>
