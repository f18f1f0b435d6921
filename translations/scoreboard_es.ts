<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The operator&apos;s console for a four-digit LED scoreboard on a serial line (2400 baud, 8N1, DTR on).

At start it opens the adapter last sent to when that was not port 1 or 2 and that very adapter is plugged in; otherwise it tries ports 1 and 2 and opens the first that opens. Every serial device present is listed under &quot;COM-port&quot;.

%1</source>
        <extracomment>The first paragraphs of --help; %1 is the paragraph on this system&apos;s port numbers.</extracomment>
        <translation>Consola del operador para un marcador LED de cuatro dígitos en una línea serie (2400 baudios, 8N1, DTR activado).

Al arrancar, abre el último adaptador al que se enviaron datos, si no era el puerto 1 ni el 2 y ese mismo adaptador está conectado; si no, prueba los puertos 1 y 2 y abre el primero que se pueda abrir. Todos los dispositivos serie presentes aparecen en «Puerto COM».

%1</translation>
    </message>
    <message>
        <source>no serial device found</source>
        <translation>no se encontró ningún dispositivo serie</translation>
    </message>
    <message>
        <source>no display - start it from a desktop session, or see --help</source>
        <translation>no hay pantalla: inicia el programa desde una sesión de escritorio o consulta --help</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Print one line per serial device: port number, device, description, USB identity, and whether you may open it; then exit. Opens no device.</source>
        <translation>Muestra una línea por dispositivo serie: número de puerto, dispositivo, descripción, identidad USB y si tienes permiso para abrirlo; después termina. No abre ningún dispositivo.</translation>
    </message>
    <message>
        <source>Turn the remote control on (kept on, like its switch in the Remote control window): the pages for phones, OBS and a screen in the hall, and the API for stream decks.</source>
        <translation>Activa el control remoto (queda activado, como con su interruptor de la ventana Control remoto): las páginas para teléfonos, OBS y una pantalla en la sala, y la API para botoneras tipo Stream Deck.</translation>
    </message>
    <message>
        <source>Speak this language (de, en, es, fr, nl) instead of the system&apos;s; kept as the setting &quot;language&quot; does.</source>
        <extracomment>--lang&apos;s value in --help: a language code such as de.</extracomment>
        <translation>Usa este idioma (de, en, es, fr, nl) en lugar del idioma del sistema; se guarda como el ajuste «language».</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>Try &apos;scoreboard --help&apos;.</source>
        <translation>Prueba «scoreboard --help».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Scoreboard</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Tens digit</source>
        <translation>Dígito de las decenas</translation>
    </message>
    <message>
        <source>Units digit</source>
        <translation>Dígito de las unidades</translation>
    </message>
    <message>
        <source>&amp;Update scoreboard</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Reset Score&quot; and &quot;COM-port&quot;</extracomment>
        <translation>&amp;Actualizar marcador</translation>
    </message>
    <message>
        <source>Reset &amp;Score</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Update scoreboard&quot; and &quot;COM-port&quot;</extracomment>
        <translation>&amp;Reiniciar marcador</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <translation>Puntuación izquierda: menos</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <translation>Puntuación izquierda: más</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Puntuación derecha: menos</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Puntuación derecha: más</translation>
    </message>
    <message>
        <source>&amp;COM-port</source>
        <extracomment>the serial port&apos;s field; &amp; marks the Alt+letter key that reaches it, unlike those of the two buttons</extracomment>
        <translation>&amp;Puerto COM</translation>
    </message>
    <message>
        <source>Serial port number of the scoreboard</source>
        <translation>Número del puerto serie del marcador</translation>
    </message>
    <message>
        <source>Puts the last match&apos;s scores back in the window (%1); nothing is sent</source>
        <extracomment>%1 is its key, such as Ctrl+R</extracomment>
        <translation>Vuelve a poner en la ventana la puntuación del último partido (%1); no se envía nada</translation>
    </message>
    <message>
        <source>Remote control…</source>
        <extracomment>the window&apos;s context menu; opens the remote control&apos;s window</extracomment>
        <translation>Control remoto…</translation>
    </message>
    <message>
        <source>Right-click for the remote control (%1)</source>
        <extracomment>%1 is its key, such as Ctrl+Shift+R</extracomment>
        <translation>Clic derecho para el control remoto (%1)</translation>
    </message>
    <message>
        <source>Lowers the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F2</extracomment>
        <translation>Resta uno a la puntuación izquierda en la ventana; Actualizar marcador la envía (%1)</translation>
    </message>
    <message>
        <source>Raises the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F3</extracomment>
        <translation>Suma uno a la puntuación izquierda en la ventana; Actualizar marcador la envía (%1)</translation>
    </message>
    <message>
        <source>Sends the four digits to the board (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F9; PgDown</extracomment>
        <translation>Envía los cuatro dígitos al marcador (%1)</translation>
    </message>
    <message>
        <source>Lowers the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F6</extracomment>
        <translation>Resta uno a la puntuación derecha en la ventana; Actualizar marcador la envía (%1)</translation>
    </message>
    <message>
        <source>Raises the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F7</extracomment>
        <translation>Suma uno a la puntuación derecha en la ventana; Actualizar marcador la envía (%1)</translation>
    </message>
    <message>
        <source>Sets both scores to 0 and sends them to the board (%1, after a question)</source>
        <extracomment>%1 is the key or keys that press the button, such as F12</extracomment>
        <translation>Pone ambas puntuaciones a 0 y las envía al marcador (%1, tras preguntar)</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Reiniciar marcador</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>¿Poner ambas puntuaciones a 0 y enviarlas al marcador?</translation>
    </message>
    <message>
        <source>Left score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F2</extracomment>
        <translation>Puntuación izquierda menos: %1</translation>
    </message>
    <message>
        <source>Left score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F3</extracomment>
        <translation>Puntuación izquierda más: %1</translation>
    </message>
    <message>
        <source>Right score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F6</extracomment>
        <translation>Puntuación derecha menos: %1</translation>
    </message>
    <message>
        <source>Right score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F7</extracomment>
        <translation>Puntuación derecha más: %1</translation>
    </message>
    <message>
        <source>Update scoreboard: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F9; PgDown</extracomment>
        <translation>Actualizar marcador: %1</translation>
    </message>
    <message>
        <source>Reset Score, after a question: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F12</extracomment>
        <translation>Reiniciar marcador, tras preguntar: %1</translation>
    </message>
    <message>
        <source>Restore the last match, while it is offered: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+R</extracomment>
        <translation>Restaurar el último partido, mientras se ofrezca: %1</translation>
    </message>
    <message>
        <source>Remote control: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+Shift+R</extracomment>
        <translation>Control remoto: %1</translation>
    </message>
    <message>
        <source>Alt and a caption&apos;s underlined letter: that button, or the COM-port field</source>
        <extracomment>a line of the list of keys; the underlined letters of the captions</extracomment>
        <translation>Alt y la letra subrayada de un rótulo: ese botón o el campo Puerto COM</translation>
    </message>
    <message>
        <source>This list: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F1</extracomment>
        <translation>Esta lista: %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>%1: &quot;%2&quot; is no key this window can use; %1 keeps %3.</source>
        <extracomment>%1 is a setting&apos;s name such as Keys/update, %2 what it holds, %3 the default key(s) such as F9; PgDown</extracomment>
        <translation>%1: «%2» no es una tecla que esta ventana pueda usar; %1 conserva %3.</translation>
    </message>
    <message>
        <source>%1: %2 is the key of %3 already; %1 keeps %4.</source>
        <extracomment>%1 and %3 are settings&apos; names such as Keys/update, %2 a key such as F9, %4 the default key(s)</extracomment>
        <translation>%1: %2 ya es la tecla de %3; %1 conserva %4.</translation>
    </message>
</context>
<context>
    <name>LinuxSerialPlatform</name>
    <message>
        <source>Port numbers: 1-32 are /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB adapters), 65-96 /dev/ttyACM0-31.</source>
        <extracomment>The device names and ranges are the system&apos;s own: keep them as they are</extracomment>
        <translation>Números de puerto: 1-32 son /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (adaptadores USB), 65-96 /dev/ttyACM0-31.</translation>
    </message>
    <message>
        <source>To use serial ports your user must be in the dialout group.</source>
        <extracomment>dialout is the name of the system&apos;s user group: keep it as it is</extracomment>
        <translation>Para usar puertos serie, tu usuario debe pertenecer al grupo dialout.</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Left score %1</source>
        <extracomment>%1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Puntuación izquierda %1</translation>
    </message>
    <message>
        <source>Right score %1</source>
        <extracomment>%1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Puntuación derecha %1</translation>
    </message>
    <message>
        <source>Left score %1.</source>
        <extracomment>Told to a screen reader; %1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Puntuación izquierda %1.</translation>
    </message>
    <message>
        <source>Right score %1.</source>
        <extracomment>Told to a screen reader; %1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Puntuación derecha %1.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>The settings cannot be saved in %1: these codes and choices will change at the next start.</source>
        <extracomment>%1 is the settings file&apos;s path</extracomment>
        <translation>No se puede guardar la configuración en %1: estos códigos y opciones cambiarán en el próximo arranque.</translation>
    </message>
</context>
<context>
    <name>RemoteLoader</name>
    <message>
        <source>scoreboard: the remote control cannot be loaded: %1</source>
        <extracomment>On standard error; %1 is why, such as &quot;... is of version 1.3.0, this program of 1.4.0&quot;</extracomment>
        <translation>scoreboard: no se puede cargar el control remoto: %1</translation>
    </message>
    <message>
        <source>%1 does not say its version, this program is of %2</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 the program&apos;s version such as 1.4.0</extracomment>
        <translation>%1 no indica su versión; este programa es de la %2</translation>
    </message>
    <message>
        <source>%1 is of version %2, this program of %3</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 its version and %3 the program&apos;s, such as 1.4.0</extracomment>
        <translation>%1 es de la versión %2; este programa, de la %3</translation>
    </message>
</context>
<context>
    <name>RemotePages</name>
    <message>
        <source>Scoreboard remote</source>
        <extracomment>The browser tab&apos;s title of the phone&apos;s remote control page</extracomment>
        <translation>Control remoto del marcador</translation>
    </message>
    <message>
        <source>Scoreboard overlay</source>
        <extracomment>The browser tab&apos;s title of the overlay page for OBS</extracomment>
        <translation>Superposición del marcador</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <extracomment>The browser tab&apos;s title of the hall screen page</extracomment>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Read by a screen reader for the two scores of the overlay and the hall screen</extracomment>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>A banner while the page reaches the scoreboard program</extracomment>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting...</source>
        <translation>Conexión perdida; reconectando...</translation>
    </message>
    <message>
        <source>This address&apos;s code is not valid: open the control address the scoreboard&apos;s Remote control window shows now.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>El código de esta dirección no es válido: abre la dirección de control que muestra ahora la ventana Control remoto del marcador.</translation>
    </message>
    <message>
        <source>This address lacks its code: open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>A esta dirección le falta el código: abre la dirección de control que muestra la ventana Control remoto del marcador.</translation>
    </message>
    <message>
        <source>View only: this address shows the score and cannot change it. To change it, open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Solo lectura: esta dirección muestra la puntuación, pero no puede cambiarla. Para cambiarla, abre la dirección de control que muestra la ventana Control remoto del marcador.</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The heading over the left team&apos;s score and buttons</extracomment>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The heading over the right team&apos;s score and buttons</extracomment>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Left score</source>
        <translation>Puntuación izquierda</translation>
    </message>
    <message>
        <source>Right score</source>
        <translation>Puntuación derecha</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <extracomment>Read by a screen reader for the &quot;-&quot; button under the left score</extracomment>
        <translation>Puntuación izquierda: menos</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <extracomment>Read by a screen reader for the &quot;+&quot; button under the left score</extracomment>
        <translation>Puntuación izquierda: más</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Puntuación derecha: menos</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Puntuación derecha: más</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <extracomment>A button: brings back the last match&apos;s scores; %1 is them, such as &quot;12 08&quot;</extracomment>
        <translation>Restaurar %1</translation>
    </message>
    <message>
        <source>Update scoreboard</source>
        <extracomment>A button: sends the scores to the scoreboard</extracomment>
        <translation>Actualizar marcador</translation>
    </message>
    <message>
        <source>The board shows %1. Put %2 on it?</source>
        <extracomment>Asked after Update scoreboard when the board shows higher scores; %1 is the board&apos;s scores, %2 the ones to send, such as &quot;12 08&quot;</extracomment>
        <translation>El marcador muestra %1. ¿Poner %2 en su lugar?</translation>
    </message>
    <message>
        <source>Put %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the scores to send, such as &quot;00 00&quot;</extracomment>
        <translation>Poner %1 en el marcador</translation>
    </message>
    <message>
        <source>Keep %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>Dejar %1 en el marcador</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <extracomment>A button: sets both scores to 0 and sends them to the scoreboard</extracomment>
        <translation>Reiniciar marcador</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>¿Poner ambas puntuaciones a 0 y enviarlas al marcador?</translation>
    </message>
    <message>
        <source>Reset to 00 00</source>
        <translation>Reiniciar a 00 00</translation>
    </message>
    <message>
        <source>Keep the scores</source>
        <translation>Conservar la puntuación</translation>
    </message>
    <message>
        <source>Board shows</source>
        <extracomment>A label; beside it the scores the scoreboard shows</extracomment>
        <translation>El marcador muestra</translation>
    </message>
    <message>
        <source>not known</source>
        <extracomment>Beside &quot;Board shows&quot;: the program does not know what the board shows</extracomment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>%1 - the window differs from the board</source>
        <extracomment>Beside &quot;Board shows&quot;: %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>%1: la ventana no coincide con el marcador</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>A label; beside it the serial port the scoreboard is on</extracomment>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>none open</source>
        <extracomment>Beside &quot;Port&quot;: no serial port is open</extracomment>
        <translation>ninguno abierto</translation>
    </message>
    <message>
        <source>port %1 open</source>
        <extracomment>Beside &quot;Port&quot;: %1 is the serial port&apos;s number</extracomment>
        <translation>puerto %1 abierto</translation>
    </message>
    <message>
        <source>Not reached: is the scoreboard program running?</source>
        <extracomment>A button was pressed, and the phone cannot reach the computer the program runs on</extracomment>
        <translation>Sin conexión: ¿está en marcha el programa del marcador?</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program: pick another port, or end that program.</source>
        <extracomment>%1 is the port number the remote control was to be served at</extracomment>
        <translation>Otro programa está usando el puerto %1: elige otro puerto o cierra ese programa.</translation>
    </message>
    <message>
        <source>Cannot serve at %1 port %2: %3.</source>
        <extracomment>%1 is an address of this computer such as 127.0.0.1, %2 the port number, %3 the system&apos;s reason</extracomment>
        <translation>No se pueden ofrecer las páginas en %1, puerto %2: %3.</translation>
    </message>
    <message>
        <source>too many connections and files are open</source>
        <translation>hay demasiadas conexiones y archivos abiertos</translation>
    </message>
    <message>
        <source>Connections are not taken for a moment: %1. Close other programs or devices if this stays.</source>
        <extracomment>%1 is why, such as &quot;too many connections and files are open&quot; or the system&apos;s reason</extracomment>
        <translation>No se aceptan conexiones por un momento: %1. Si sigue así, cierra otros programas o dispositivos.</translation>
    </message>
</context>
<context>
    <name>RemoteWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>%1 (this computer)</source>
        <extracomment>In the list of devices connected now; %1 is this computer&apos;s own address, 127.0.0.1</extracomment>
        <translation>%1 (este ordenador)</translation>
    </message>
    <message>
        <source>%1 - disconnected, kept out</source>
        <extracomment>%1 is the device&apos;s address, such as 192.168.1.20</extracomment>
        <translation>%1: desconectado y bloqueado</translation>
    </message>
    <message>
        <source>%1 - hall screen refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the hall screen is the view-only page for a screen in the hall</extracomment>
        <translation>%1: pantalla de sala rechazada, su código es antiguo; dale la dirección nueva</translation>
    </message>
    <message>
        <source>%1 - remote control refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the remote control is the page that changes the score</extracomment>
        <translation>%1: control remoto rechazado, su código es antiguo; dale la dirección nueva</translation>
    </message>
    <message>
        <source>%1 - overlay refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the overlay is the view-only page for OBS</extracomment>
        <translation>%1: superposición rechazada, su código es antiguo; dale la dirección nueva</translation>
    </message>
    <message numerus="yes">
        <source>%1 - no code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has shown no code</extracomment>
        <translation>
            <numerusform>%1: sin código, %n conexión</numerusform>
            <numerusform>%1: sin código, %n conexiones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - control code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that changes the score</extracomment>
        <translation>
            <numerusform>%1: código de control, %n conexión</numerusform>
            <numerusform>%1: código de control, %n conexiones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - view only, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that only shows the score</extracomment>
        <translation>
            <numerusform>%1: solo lectura, %n conexión</numerusform>
            <numerusform>%1: solo lectura, %n conexiones</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Control remoto</translation>
    </message>
    <message>
        <source>&amp;Serve the remote control and the overlay</source>
        <translation>&amp;Activar el control remoto y la superposición</translation>
    </message>
    <message>
        <source>&amp;This computer only</source>
        <translation>&amp;Solo este ordenador</translation>
    </message>
    <message>
        <source>The &amp;local network</source>
        <translation>La &amp;red local</translation>
    </message>
    <message>
        <source>Phones and other computers on this network can open the pages</source>
        <translation>Los teléfonos y otros ordenadores de esta red pueden abrir las páginas</translation>
    </message>
    <message>
        <source>Who may connect:</source>
        <translation>Quién puede conectarse:</translation>
    </message>
    <message>
        <source>Enter, or leaving the field, applies a new port</source>
        <translation>Intro, o salir del campo, aplica un puerto nuevo</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>&amp;Address of this computer:</source>
        <translation>&amp;Dirección de este ordenador:</translation>
    </message>
    <message>
        <source>Control: changes the score</source>
        <translation>Control: cambia la puntuación</translation>
    </message>
    <message>
        <source>QR code of the control address</source>
        <translation>Código QR de la dirección de control</translation>
    </message>
    <message>
        <source>A phone&apos;s camera opens the remote control from this</source>
        <translation>La cámara de un teléfono abre con esto el control remoto</translation>
    </message>
    <message>
        <source>Control address</source>
        <translation>Dirección de control</translation>
    </message>
    <message>
        <source>Copy the control address</source>
        <translation>Copiar la dirección de control</translation>
    </message>
    <message>
        <source>&amp;New code</source>
        <translation>&amp;Nuevo código</translation>
    </message>
    <message>
        <source>New control code</source>
        <translation>Nuevo código de control</translation>
    </message>
    <message>
        <source>Devices with the old code can no longer change the score</source>
        <translation>Los dispositivos con el código antiguo ya no pueden cambiar la puntuación</translation>
    </message>
    <message>
        <source>View only: OBS overlay, screen in the hall</source>
        <translation>Solo lectura: superposición para OBS, pantalla en la sala</translation>
    </message>
    <message>
        <source>QR code of the hall screen address</source>
        <translation>Código QR de la dirección de la pantalla de sala</translation>
    </message>
    <message>
        <source>A tablet or a smart TV&apos;s browser opens the hall screen from this</source>
        <translation>El navegador de una tableta o una smart TV abre con esto la pantalla de sala</translation>
    </message>
    <message>
        <source>Overlay address, for OBS</source>
        <translation>Dirección de la superposición, para OBS</translation>
    </message>
    <message>
        <source>Hall screen address</source>
        <translation>Dirección de la pantalla de sala</translation>
    </message>
    <message>
        <source>Copy the overlay address</source>
        <translation>Copiar la dirección de la superposición</translation>
    </message>
    <message>
        <source>N&amp;ew code</source>
        <translation>Nuevo &amp;código</translation>
    </message>
    <message>
        <source>New view code</source>
        <translation>Nuevo código de lectura</translation>
    </message>
    <message>
        <source>Overlays and screens with the old code stop showing the score</source>
        <translation>Las superposiciones y pantallas con el código antiguo dejan de mostrar la puntuación</translation>
    </message>
    <message>
        <source>A phone needs &quot;The local network&quot;.</source>
        <extracomment>&quot;The local network&quot; is the choice of that name under &quot;Who may connect:&quot;</extracomment>
        <translation>Un teléfono necesita «La red local».</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Conectados ahora</translation>
    </message>
    <message>
        <source>Off: nothing is served.</source>
        <translation>Desactivado: no se ofrece nada.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer and the local network.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Activo en el puerto %1 para este ordenador y la red local.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer only.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Activo en el puerto %1 solo para este ordenador.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Sin servicio.</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In the list of devices connected now: none</extracomment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Let in</source>
        <translation>Dejar entrar</translation>
    </message>
    <message>
        <source>Let in %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>Dejar entrar a %1</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Disconnect %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>Desconectar %1</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: pick a number from %2 to 65535.</source>
        <extracomment>%1 is what was typed in the port field, %2 the lowest port allowed</extracomment>
        <translation>Puerto «%1»: elige un número del %2 al 65535.</translation>
    </message>
</context>
<context>
    <name>RestoreLink</name>
    <message>
        <source>Restore the last match</source>
        <extracomment>what a screen reader calls the link under the status line</extracomment>
        <translation>Restaurar el último partido</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>%1, serial %2</source>
        <extracomment>%1 is what the device is, such as &quot;FTDI FT232R USB UART&quot;; %2 its serial number</extracomment>
        <translation>%1, n.º de serie %2</translation>
    </message>
    <message>
        <source>%1 in socket %2</source>
        <extracomment>%1 is what the device is; %2 the USB socket it is plugged into, such as 1-1.2</extracomment>
        <translation>%1 en el conector %2</translation>
    </message>
    <message>
        <source>Join the %1 group, then log in again.</source>
        <extracomment>%1 is a user group of the system, such as dialout</extracomment>
        <translation>Únete al grupo %1 y vuelve a iniciar sesión.</translation>
    </message>
    <message>
        <source>%1 is owned by %2 - an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %2 the user who owns it</extracomment>
        <translation>%1 pertenece a %2: un administrador debe darte permiso para usarlo.</translation>
    </message>
    <message>
        <source>%1: an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>%1: un administrador debe darte permiso para usarlo.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Port %1: no such port - type 1 to %2.</source>
        <extracomment>%1 is the port number, %2 the highest port number</extracomment>
        <translation>Puerto %1: no existe; escribe de 1 a %2.</translation>
    </message>
    <message>
        <source>Port %1 (%2): no such device.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Puerto %1 (%2): no hay dispositivo.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: no such device.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>El puerto %1 (%2) ha vuelto, pero no se abrió: no hay dispositivo.</translation>
    </message>
    <message>
        <source>Port %1: no such device.</source>
        <translation>Puerto %1: no hay dispositivo.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: no such device.</source>
        <translation>Puertos 1 y 2: no hay dispositivo.</translation>
    </message>
    <message>
        <source>Port %1 (%2): permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Puerto %1 (%2): permiso denegado.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>El puerto %1 (%2) ha vuelto, pero no se abrió: permiso denegado.</translation>
    </message>
    <message>
        <source>Port %1: permission denied.</source>
        <translation>Puerto %1: permiso denegado.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: permission denied.</source>
        <translation>Puertos 1 y 2: permiso denegado.</translation>
    </message>
    <message>
        <source>Port %1 (%2): in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Puerto %1 (%2): en uso por otro programa.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>El puerto %1 (%2) ha vuelto, pero no se abrió: en uso por otro programa.</translation>
    </message>
    <message>
        <source>Port %1: in use by another program.</source>
        <translation>Puerto %1: en uso por otro programa.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: in use by another program.</source>
        <translation>Puertos 1 y 2: en uso por otro programa.</translation>
    </message>
    <message>
        <source>Port %1 (%2): the system console.</source>
        <extracomment>%1 is the port number, %2 the device path. The machine&apos;s console talks on this port.</extracomment>
        <translation>Puerto %1 (%2): es la consola del sistema.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: the system console.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>El puerto %1 (%2) ha vuelto, pero no se abrió: es la consola del sistema.</translation>
    </message>
    <message>
        <source>Port %1: the system console.</source>
        <translation>Puerto %1: es la consola del sistema.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: the system console.</source>
        <translation>Puertos 1 y 2: son la consola del sistema.</translation>
    </message>
    <message>
        <source>Port %1 is back but did not open: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>El puerto %1 ha vuelto, pero no se abrió: no hay ningún puerto serie tras %2.</translation>
    </message>
    <message>
        <source>Port %1: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path; a device node with no serial chip behind it</extracomment>
        <translation>Puerto %1: no hay ningún puerto serie tras %2.</translation>
    </message>
    <message>
        <source>Port %1 (%2): cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Puerto %1 (%2): no se puede abrir (%3).</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>El puerto %1 (%2) ha vuelto, pero no se abrió: no se puede abrir (%3).</translation>
    </message>
    <message>
        <source>Port %1: cannot open (%2).</source>
        <extracomment>%1 is the port number, %2 the system&apos;s own message</extracomment>
        <translation>Puerto %1: no se puede abrir (%2).</translation>
    </message>
    <message>
        <source>Ports 1 and 2: cannot open (%1).</source>
        <extracomment>%1 is the system&apos;s own message</extracomment>
        <translation>Puertos 1 y 2: no se pueden abrir (%1).</translation>
    </message>
    <message>
        <source>Close it or pick another port.</source>
        <translation>Cierra ese programa o elige otro puerto.</translation>
    </message>
    <message>
        <source>Pick another port.</source>
        <translation>Elige otro puerto.</translation>
    </message>
    <message>
        <source>Type a port number from 1 to %1.</source>
        <extracomment>%1 is the highest port number</extracomment>
        <translation>Escribe un número de puerto del 1 al %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number - type 1 to %2.</source>
        <extracomment>%1 is what the operator typed in the COM-port field, %2 the highest port number</extracomment>
        <translation>«%1» no es un número de puerto; escribe de 1 a %2.</translation>
    </message>
    <message>
        <source>Found %1 - pick it under COM-port.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; COM-port is the field&apos;s caption</extracomment>
        <translation>Encontrado %1: elígelo en Puerto COM.</translation>
    </message>
    <message>
        <source>Found %1, %2 - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Encontrados %1 y %2: elige uno en Puerto COM.</translation>
    </message>
    <message>
        <source>No permission for %1.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Sin permiso para %1.</translation>
    </message>
    <message>
        <source>No permission for %1, %2.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Sin permiso para %1 y %2.</translation>
    </message>
    <message>
        <source>No other serial device - plug in the adapter.</source>
        <translation>No hay otro dispositivo serie: conecta el adaptador.</translation>
    </message>
    <message>
        <source>No serial device found - plug in the adapter or type a port number under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>No se encontró ningún dispositivo serie: conecta el adaptador o escribe un número de puerto en Puerto COM.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>El puerto %1 (%2) es ahora otro dispositivo: elígelo para usarlo.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2 - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>El puerto %1 es ahora otro dispositivo: %2. Elígelo para usarlo.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device, no permission.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>El puerto %1 (%2) es ahora otro dispositivo, sin permiso.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2, no permission.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>El puerto %1 es ahora otro dispositivo: %2, sin permiso.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Puerto %1 (%2) abierto.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open, start-up command sent.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Puerto %1 (%2) abierto, orden de inicio enviada.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open - the adapter used last time.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Puerto %1 (%2) abierto: el adaptador usado la última vez.</translation>
    </message>
    <message>
        <source>The adapter used last time is %1 - pick it to use it.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>El adaptador usado la última vez es %1: elígelo para usarlo.</translation>
    </message>
    <message>
        <source>Port %1 (%2) unplugged - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Puerto %1 (%2) desconectado: se volverá a abrir al conectarlo de nuevo.</translation>
    </message>
    <message>
        <source>Port %1 (%2) closed so that it can be removed safely - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Puerto %1 (%2) cerrado para poder quitarlo con seguridad: se volverá a abrir al conectarlo de nuevo.</translation>
    </message>
    <message>
        <source>Port %1 (%2) plugged in again and open.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Puerto %1 (%2) conectado de nuevo y abierto.</translation>
    </message>
    <message>
        <source>Port %1 is back as port %2 (%3) and open.</source>
        <extracomment>%1 is the port number the device had, %2 the one it has now, %3 its device path</extracomment>
        <translation>El puerto %1 ha vuelto como puerto %2 (%3) y está abierto.</translation>
    </message>
    <message>
        <source>Sending %1 to port %2 ...</source>
        <extracomment>%1 are the scores as the board shows them (&quot;08 15&quot;), %2 the port number</extracomment>
        <translation>Enviando %1 al puerto %2...</translation>
    </message>
    <message>
        <source>Reset from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Reinicio desde %1: enviando %2 al puerto %3...</translation>
    </message>
    <message>
        <source>Update from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Actualización desde %1: enviando %2 al puerto %3...</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent the start-up command.</source>
        <translation>Reinicio en espera: se está enviando la orden de inicio al marcador.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent the start-up command.</source>
        <translation>Actualización en espera: se está enviando la orden de inicio al marcador.</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent %1.</source>
        <extracomment>%1 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Reinicio en espera: se está enviando %1 al marcador.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent %1.</source>
        <translation>Actualización en espera: se está enviando %1 al marcador.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent the start-up command.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23</extracomment>
        <translation>Reinicio desde %1 en espera: se está enviando la orden de inicio al marcador.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent the start-up command.</source>
        <translation>Actualización desde %1 en espera: se está enviando la orden de inicio al marcador.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent %2.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Reinicio desde %1 en espera: se está enviando %2 al marcador.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent %2.</source>
        <translation>Actualización desde %1 en espera: se está enviando %2 al marcador.</translation>
    </message>
    <message>
        <source>Board shows %1 - sent to port %2 at %3.</source>
        <extracomment>%1 are the scores (&quot;08 15&quot;), %2 the port number, %3 the time of day</extracomment>
        <translation>El marcador muestra %1, enviado al puerto %2 a las %3.</translation>
    </message>
    <message>
        <source>Reset from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Reinicio desde %1: el marcador muestra %2, enviado al puerto %3 a las %4.</translation>
    </message>
    <message>
        <source>Update from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Actualización desde %1: el marcador muestra %2, enviado al puerto %3 a las %4.</translation>
    </message>
    <message>
        <source>Not on the board yet - press Update scoreboard.</source>
        <extracomment>&quot;Update scoreboard&quot; is the button&apos;s caption</extracomment>
        <translation>Aún no está en el marcador: pulsa Actualizar marcador.</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 was unplugged - the board may show a mix; it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>
            <numerusform>Actualización interrumpida tras %n dígito de %1: el puerto %2 se desconectó y el marcador puede mostrar una mezcla. Se reabrirá al conectarlo; después pulsa Actualizar marcador.</numerusform>
            <numerusform>Actualización interrumpida tras %n dígitos de %1: el puerto %2 se desconectó y el marcador puede mostrar una mezcla. Se reabrirá al conectarlo; después pulsa Actualizar marcador.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 was unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>No enviado: el puerto %1 se desconectó. Se reabrirá al conectarlo; después pulsa Actualizar marcador.</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path</extracomment>
        <translation>
            <numerusform>Actualización interrumpida tras %n dígito de %1: el puerto %2 (%3) dejó de funcionar y el marcador puede mostrar una mezcla. Revisa el cable y pulsa Actualizar marcador.</numerusform>
            <numerusform>Actualización interrumpida tras %n dígitos de %1: el puerto %2 (%3) dejó de funcionar y el marcador puede mostrar una mezcla. Revisa el cable y pulsa Actualizar marcador.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path, %4 the system&apos;s own message</extracomment>
        <translation>
            <numerusform>Actualización interrumpida tras %n dígito de %1: el puerto %2 (%3) dejó de funcionar (%4) y el marcador puede mostrar una mezcla. Revisa el cable y pulsa Actualizar marcador.</numerusform>
            <numerusform>Actualización interrumpida tras %n dígitos de %1: el puerto %2 (%3) dejó de funcionar (%4) y el marcador puede mostrar una mezcla. Revisa el cable y pulsa Actualizar marcador.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>No enviado: el puerto %1 (%2) dejó de funcionar. Revisa el cable y pulsa Actualizar marcador.</translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working (%3) - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>No enviado: el puerto %1 (%2) dejó de funcionar (%3). Revisa el cable y pulsa Actualizar marcador.</translation>
    </message>
    <message>
        <source>Not sent: port %1 is unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>No enviado: el puerto %1 está desconectado. Se reabrirá al conectarlo; después pulsa Actualizar marcador.</translation>
    </message>
    <message>
        <source>Not sent: no port is open - choose one under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>No enviado: no hay ningún puerto abierto; elige uno en Puerto COM.</translation>
    </message>
    <message>
        <source>Not kept for next time: %1 cannot be written.</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>No se guardará para la próxima vez: no se puede escribir en %1.</translation>
    </message>
    <message>
        <source>Last match: window showed %1.</source>
        <extracomment>%1 are the scores the window showed (&quot;08 15&quot;)</extracomment>
        <translation>Último partido: la ventana mostraba %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1.</source>
        <extracomment>%1 are the scores the board showed (&quot;08 15&quot;)</extracomment>
        <translation>Último partido: el marcador mostraba %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1, window %2.</source>
        <extracomment>%1 are the scores the board showed, %2 those the window showed</extracomment>
        <translation>Último partido: el marcador mostraba %1 y la ventana, %2.</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent</extracomment>
        <translation>Último partido: el marcador mostraba %1 (envío: %2).</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2, window %3.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent, %3 the scores the window showed</extracomment>
        <translation>Último partido: el marcador mostraba %1 (envío: %2) y la ventana, %3.</translation>
    </message>
    <message>
        <source>Press Restore to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match&apos;s scores back into the window</extracomment>
        <translation>Pulsa Restaurar para recuperarlo.</translation>
    </message>
    <message>
        <source>Press Restore (%1) to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match back; %1 is its shortcut key, such as Ctrl+R</extracomment>
        <translation>Pulsa Restaurar (%1) para recuperarlo.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>brings the last match&apos;s scores back into the window</extracomment>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>%1 asked for an update.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 pidió una actualización.</translation>
    </message>
    <message>
        <source>%1 asked for a reset.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 pidió un reinicio.</translation>
    </message>
    <message>
        <source>%1 raised the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 subió la puntuación izquierda.</translation>
    </message>
    <message>
        <source>%1 lowered the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 bajó la puntuación izquierda.</translation>
    </message>
    <message>
        <source>%1 raised the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 subió la puntuación derecha.</translation>
    </message>
    <message>
        <source>%1 lowered the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 bajó la puntuación derecha.</translation>
    </message>
    <message>
        <source>%1 restored the last match.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 restauró el último partido.</translation>
    </message>
    <message numerus="yes">
        <source>Found %1, %2, %n more - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Encontrados %1, %2 y %n más: elige uno en Puerto COM.</numerusform>
            <numerusform>Encontrados %1, %2 y %n más: elige uno en Puerto COM.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No permission for %1, %2, %n more.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Sin permiso para %1, %2 y %n más.</numerusform>
            <numerusform>Sin permiso para %1, %2 y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemSerialLink</name>
    <message>
        <source>the port did not take the bytes</source>
        <extracomment>Said in brackets after &quot;port 3 stopped working&quot;, where the system gave no reason</extracomment>
        <translation>el puerto no aceptó los bytes</translation>
    </message>
</context>
<context>
    <name>Win32SerialLink</name>
    <message>
        <source>system error %1</source>
        <extracomment>Said in brackets after &quot;cannot open&quot; or &quot;stopped working&quot; where Windows has no words for its error code %1</extracomment>
        <translation>error del sistema %1</translation>
    </message>
</context>
<context>
    <name>WindowsSerialPlatform</name>
    <message>
        <source>Port n is COMn (1 to 255); USB adapters get their COM number from Windows (Device Manager, Ports).</source>
        <extracomment>COMn is the system&apos;s name of port n: keep it as it is. Device Manager and Ports as Windows names them</extracomment>
        <translation>El puerto n es COMn (de 1 a 255); los adaptadores USB reciben su número COM de Windows (Administrador de dispositivos, Puertos).</translation>
    </message>
</context>
</TS>
