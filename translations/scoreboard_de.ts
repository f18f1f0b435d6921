<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The operator&apos;s console for a four-digit LED scoreboard on a serial line (2400 baud, 8N1, DTR on).

At start it opens the adapter last sent to when that was not port 1 or 2 and that very adapter is plugged in; otherwise it tries ports 1 and 2 and opens the first that opens. Every serial device present is listed under &quot;COM-port&quot;.

%1</source>
        <extracomment>The first paragraphs of --help; %1 is the paragraph on this system&apos;s port numbers.</extracomment>
        <translation>Die Bedienkonsole für eine vierstellige LED-Anzeigetafel an einer seriellen Leitung (2400 Baud, 8N1, DTR an).

Beim Start öffnet das Programm den Adapter, an den zuletzt gesendet wurde, wenn das nicht Anschluss 1 oder 2 war und genau dieser Adapter eingesteckt ist; sonst versucht es die Anschlüsse 1 und 2 und öffnet den ersten, der sich öffnen lässt. Jedes vorhandene serielle Gerät steht unter „COM-Anschluss“ zur Auswahl.

%1</translation>
    </message>
    <message>
        <source>no serial device found</source>
        <translation>kein serielles Gerät gefunden</translation>
    </message>
    <message>
        <source>no display - start it from a desktop session, or see --help</source>
        <translation>keine grafische Oberfläche – das Programm in einer Desktop-Sitzung starten oder --help lesen</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Print one line per serial device: port number, device, description, USB identity, and whether you may open it; then exit. Opens no device.</source>
        <translation>Gibt eine Zeile pro seriellem Gerät aus: Anschlussnummer, Gerät, Beschreibung, USB-Kennung und ob es geöffnet werden darf; beendet sich dann. Öffnet kein Gerät.</translation>
    </message>
    <message>
        <source>Turn the remote control on (kept on, like its switch in the Remote control window): the pages for phones, OBS and a screen in the hall, and the API for stream decks.</source>
        <translation>Schaltet die Fernbedienung ein (bleibt an, wie ihr Schalter im Fenster „Fernbedienung“): die Seiten für Telefone, OBS und einen Bildschirm in der Halle sowie die API für Stream Decks.</translation>
    </message>
    <message>
        <source>Speak this language (de, en, es, fr, nl) instead of the system&apos;s; kept as the setting &quot;language&quot; does.</source>
        <extracomment>--lang&apos;s value in --help: a language code such as de.</extracomment>
        <translation>Verwendet diese Sprache (de, en, es, fr, nl) statt der des Systems; wird wie die Einstellung „language“ gespeichert.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Sprachcode</translation>
    </message>
    <message>
        <source>Try &apos;scoreboard --help&apos;.</source>
        <translation>„scoreboard --help“ zeigt mehr.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Scoreboard</source>
        <translation>Anzeigetafel</translation>
    </message>
    <message>
        <source>Tens digit</source>
        <translation>Zehnerstelle</translation>
    </message>
    <message>
        <source>Units digit</source>
        <translation>Einerstelle</translation>
    </message>
    <message>
        <source>&amp;Update scoreboard</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Reset Score&quot; and &quot;COM-port&quot;</extracomment>
        <translation>&amp;Anzeigetafel aktualisieren</translation>
    </message>
    <message>
        <source>Reset &amp;Score</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Update scoreboard&quot; and &quot;COM-port&quot;</extracomment>
        <translation>&amp;Stand zurücksetzen</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <translation>Spielstand links: minus</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <translation>Spielstand links: plus</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Spielstand rechts: minus</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Spielstand rechts: plus</translation>
    </message>
    <message>
        <source>&amp;COM-port</source>
        <extracomment>the serial port&apos;s field; &amp; marks the Alt+letter key that reaches it, unlike those of the two buttons</extracomment>
        <translation>&amp;COM-Anschluss</translation>
    </message>
    <message>
        <source>Serial port number of the scoreboard</source>
        <translation>Nummer des seriellen Anschlusses der Anzeigetafel</translation>
    </message>
    <message>
        <source>Puts the last match&apos;s scores back in the window (%1); nothing is sent</source>
        <extracomment>%1 is its key, such as Ctrl+R</extracomment>
        <translation>Holt die Spielstände des letzten Spiels zurück ins Fenster (%1); es wird nichts gesendet</translation>
    </message>
    <message>
        <source>Remote control…</source>
        <extracomment>the window&apos;s context menu; opens the remote control&apos;s window</extracomment>
        <translation>Fernbedienung…</translation>
    </message>
    <message>
        <source>Right-click for the remote control (%1)</source>
        <extracomment>%1 is its key, such as Ctrl+Shift+R</extracomment>
        <translation>Rechtsklick öffnet die Fernbedienung (%1)</translation>
    </message>
    <message>
        <source>Lowers the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F2</extracomment>
        <translation>Verringert den Spielstand links im Fenster um eins; „Anzeigetafel aktualisieren“ sendet ihn (%1)</translation>
    </message>
    <message>
        <source>Raises the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F3</extracomment>
        <translation>Erhöht den Spielstand links im Fenster um eins; „Anzeigetafel aktualisieren“ sendet ihn (%1)</translation>
    </message>
    <message>
        <source>Sends the four digits to the board (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F9; PgDown</extracomment>
        <translation>Sendet die vier Ziffern an die Tafel (%1)</translation>
    </message>
    <message>
        <source>Lowers the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F6</extracomment>
        <translation>Verringert den Spielstand rechts im Fenster um eins; „Anzeigetafel aktualisieren“ sendet ihn (%1)</translation>
    </message>
    <message>
        <source>Raises the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F7</extracomment>
        <translation>Erhöht den Spielstand rechts im Fenster um eins; „Anzeigetafel aktualisieren“ sendet ihn (%1)</translation>
    </message>
    <message>
        <source>Sets both scores to 0 and sends them to the board (%1, after a question)</source>
        <extracomment>%1 is the key or keys that press the button, such as F12</extracomment>
        <translation>Setzt beide Spielstände auf 0 und sendet sie an die Tafel (%1, nach Rückfrage)</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Stand zurücksetzen</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>Beide Spielstände auf 0 setzen und an die Tafel senden?</translation>
    </message>
    <message>
        <source>Left score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F2</extracomment>
        <translation>Spielstand links minus: %1</translation>
    </message>
    <message>
        <source>Left score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F3</extracomment>
        <translation>Spielstand links plus: %1</translation>
    </message>
    <message>
        <source>Right score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F6</extracomment>
        <translation>Spielstand rechts minus: %1</translation>
    </message>
    <message>
        <source>Right score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F7</extracomment>
        <translation>Spielstand rechts plus: %1</translation>
    </message>
    <message>
        <source>Update scoreboard: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F9; PgDown</extracomment>
        <translation>Anzeigetafel aktualisieren: %1</translation>
    </message>
    <message>
        <source>Reset Score, after a question: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F12</extracomment>
        <translation>Stand zurücksetzen, nach Rückfrage: %1</translation>
    </message>
    <message>
        <source>Restore the last match, while it is offered: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+R</extracomment>
        <translation>Letztes Spiel wiederherstellen, solange es angeboten wird: %1</translation>
    </message>
    <message>
        <source>Remote control: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+Shift+R</extracomment>
        <translation>Fernbedienung: %1</translation>
    </message>
    <message>
        <source>Alt and a caption&apos;s underlined letter: that button, or the COM-port field</source>
        <extracomment>a line of the list of keys; the underlined letters of the captions</extracomment>
        <translation>Alt und der unterstrichene Buchstabe einer Beschriftung: diese Schaltfläche oder das Feld „COM-Anschluss“</translation>
    </message>
    <message>
        <source>This list: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F1</extracomment>
        <translation>Diese Liste: %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>%1: &quot;%2&quot; is no key this window can use; %1 keeps %3.</source>
        <extracomment>%1 is a setting&apos;s name such as Keys/update, %2 what it holds, %3 the default key(s) such as F9; PgDown</extracomment>
        <translation>%1: „%2“ ist keine Taste, die dieses Fenster nutzen kann; %1 bleibt bei %3.</translation>
    </message>
    <message>
        <source>%1: %2 is the key of %3 already; %1 keeps %4.</source>
        <extracomment>%1 and %3 are settings&apos; names such as Keys/update, %2 a key such as F9, %4 the default key(s)</extracomment>
        <translation>%1: %2 ist schon die Taste von %3; %1 bleibt bei %4.</translation>
    </message>
</context>
<context>
    <name>LinuxSerialPlatform</name>
    <message>
        <source>Port numbers: 1-32 are /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB adapters), 65-96 /dev/ttyACM0-31.</source>
        <extracomment>The device names and ranges are the system&apos;s own: keep them as they are</extracomment>
        <translation>Anschlussnummern: 1-32 sind /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB-Adapter), 65-96 /dev/ttyACM0-31.</translation>
    </message>
    <message>
        <source>To use serial ports your user must be in the dialout group.</source>
        <extracomment>dialout is the name of the system&apos;s user group: keep it as it is</extracomment>
        <translation>Für serielle Anschlüsse muss der Benutzer zur Gruppe dialout gehören.</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Left score %1</source>
        <extracomment>%1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Spielstand links %1</translation>
    </message>
    <message>
        <source>Right score %1</source>
        <extracomment>%1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Spielstand rechts %1</translation>
    </message>
    <message>
        <source>Left score %1.</source>
        <extracomment>Told to a screen reader; %1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Spielstand links %1.</translation>
    </message>
    <message>
        <source>Right score %1.</source>
        <extracomment>Told to a screen reader; %1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Spielstand rechts %1.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>The settings cannot be saved in %1: these codes and choices will change at the next start.</source>
        <extracomment>%1 is the settings file&apos;s path</extracomment>
        <translation>Die Einstellungen lassen sich nicht in %1 speichern: Diese Codes und Optionen ändern sich beim nächsten Start.</translation>
    </message>
</context>
<context>
    <name>RemoteLoader</name>
    <message>
        <source>scoreboard: the remote control cannot be loaded: %1</source>
        <extracomment>On standard error; %1 is why, such as &quot;... is of version 1.3.0, this program of 1.4.0&quot;</extracomment>
        <translation>scoreboard: Die Fernbedienung kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>%1 does not say its version, this program is of %2</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 the program&apos;s version such as 1.4.0</extracomment>
        <translation>%1 nennt keine Version, dieses Programm hat %2</translation>
    </message>
    <message>
        <source>%1 is of version %2, this program of %3</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 its version and %3 the program&apos;s, such as 1.4.0</extracomment>
        <translation>%1 hat Version %2, dieses Programm %3</translation>
    </message>
</context>
<context>
    <name>RemotePages</name>
    <message>
        <source>Scoreboard remote</source>
        <extracomment>The browser tab&apos;s title of the phone&apos;s remote control page</extracomment>
        <translation>Anzeigetafel – Fernbedienung</translation>
    </message>
    <message>
        <source>Scoreboard overlay</source>
        <extracomment>The browser tab&apos;s title of the overlay page for OBS</extracomment>
        <translation>Anzeigetafel – Einblendung</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <extracomment>The browser tab&apos;s title of the hall screen page</extracomment>
        <translation>Anzeigetafel</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Read by a screen reader for the two scores of the overlay and the hall screen</extracomment>
        <translation>Spielstand</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>A banner while the page reaches the scoreboard program</extracomment>
        <translation>Verbindung wird hergestellt …</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting...</source>
        <translation>Verbindung unterbrochen – neuer Versuch …</translation>
    </message>
    <message>
        <source>This address&apos;s code is not valid: open the control address the scoreboard&apos;s Remote control window shows now.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Der Code dieser Adresse ist ungültig: die Steueradresse öffnen, die das Fenster „Fernbedienung“ der Anzeigetafel jetzt zeigt.</translation>
    </message>
    <message>
        <source>This address lacks its code: open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Dieser Adresse fehlt der Code: die Steueradresse öffnen, die das Fenster „Fernbedienung“ der Anzeigetafel zeigt.</translation>
    </message>
    <message>
        <source>View only: this address shows the score and cannot change it. To change it, open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Nur ansehen: Diese Adresse zeigt den Spielstand, kann ihn aber nicht ändern. Zum Ändern die Steueradresse öffnen, die das Fenster „Fernbedienung“ der Anzeigetafel zeigt.</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The heading over the left team&apos;s score and buttons</extracomment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The heading over the right team&apos;s score and buttons</extracomment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left score</source>
        <translation>Spielstand links</translation>
    </message>
    <message>
        <source>Right score</source>
        <translation>Spielstand rechts</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <extracomment>Read by a screen reader for the &quot;-&quot; button under the left score</extracomment>
        <translation>Spielstand links: minus</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <extracomment>Read by a screen reader for the &quot;+&quot; button under the left score</extracomment>
        <translation>Spielstand links: plus</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Spielstand rechts: minus</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Spielstand rechts: plus</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <extracomment>A button: brings back the last match&apos;s scores; %1 is them, such as &quot;12 08&quot;</extracomment>
        <translation>%1 wiederherstellen</translation>
    </message>
    <message>
        <source>Update scoreboard</source>
        <extracomment>A button: sends the scores to the scoreboard</extracomment>
        <translation>Anzeigetafel aktualisieren</translation>
    </message>
    <message>
        <source>The board shows %1. Put %2 on it?</source>
        <extracomment>Asked after Update scoreboard when the board shows higher scores; %1 is the board&apos;s scores, %2 the ones to send, such as &quot;12 08&quot;</extracomment>
        <translation>Die Tafel zeigt %1. Stattdessen %2 anzeigen?</translation>
    </message>
    <message>
        <source>Put %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the scores to send, such as &quot;00 00&quot;</extracomment>
        <translation>%1 auf die Tafel bringen</translation>
    </message>
    <message>
        <source>Keep %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>%1 auf der Tafel lassen</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <extracomment>A button: sets both scores to 0 and sends them to the scoreboard</extracomment>
        <translation>Stand zurücksetzen</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>Beide Spielstände auf 0 setzen und an die Tafel senden?</translation>
    </message>
    <message>
        <source>Reset to 00 00</source>
        <translation>Auf 00 00 zurücksetzen</translation>
    </message>
    <message>
        <source>Keep the scores</source>
        <translation>Spielstände behalten</translation>
    </message>
    <message>
        <source>Board shows</source>
        <extracomment>A label; beside it the scores the scoreboard shows</extracomment>
        <translation>Tafel zeigt</translation>
    </message>
    <message>
        <source>not known</source>
        <extracomment>Beside &quot;Board shows&quot;: the program does not know what the board shows</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>%1 - the window differs from the board</source>
        <extracomment>Beside &quot;Board shows&quot;: %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>%1 – das Fenster weicht von der Tafel ab</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>A label; beside it the serial port the scoreboard is on</extracomment>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>none open</source>
        <extracomment>Beside &quot;Port&quot;: no serial port is open</extracomment>
        <translation>keiner geöffnet</translation>
    </message>
    <message>
        <source>port %1 open</source>
        <extracomment>Beside &quot;Port&quot;: %1 is the serial port&apos;s number</extracomment>
        <translation>Anschluss %1 geöffnet</translation>
    </message>
    <message>
        <source>Not reached: is the scoreboard program running?</source>
        <extracomment>A button was pressed, and the phone cannot reach the computer the program runs on</extracomment>
        <translation>Nicht erreicht: Läuft das Programm der Anzeigetafel?</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program: pick another port, or end that program.</source>
        <extracomment>%1 is the port number the remote control was to be served at</extracomment>
        <translation>Port %1 wird von einem anderen Programm benutzt: einen anderen Port wählen oder das Programm beenden.</translation>
    </message>
    <message>
        <source>Cannot serve at %1 port %2: %3.</source>
        <extracomment>%1 is an address of this computer such as 127.0.0.1, %2 the port number, %3 the system&apos;s reason</extracomment>
        <translation>Bereitstellen unter %1, Port %2 nicht möglich: %3.</translation>
    </message>
    <message>
        <source>too many connections and files are open</source>
        <translation>zu viele Verbindungen und Dateien sind geöffnet</translation>
    </message>
    <message>
        <source>Connections are not taken for a moment: %1. Close other programs or devices if this stays.</source>
        <extracomment>%1 is why, such as &quot;too many connections and files are open&quot; or the system&apos;s reason</extracomment>
        <translation>Verbindungen werden kurz nicht angenommen: %1. Hält das an, andere Programme oder Geräte schließen.</translation>
    </message>
</context>
<context>
    <name>RemoteWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1 (this computer)</source>
        <extracomment>In the list of devices connected now; %1 is this computer&apos;s own address, 127.0.0.1</extracomment>
        <translation>%1 (dieser Computer)</translation>
    </message>
    <message>
        <source>%1 - disconnected, kept out</source>
        <extracomment>%1 is the device&apos;s address, such as 192.168.1.20</extracomment>
        <translation>%1 – getrennt, ausgesperrt</translation>
    </message>
    <message>
        <source>%1 - hall screen refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the hall screen is the view-only page for a screen in the hall</extracomment>
        <translation>%1 – Hallenbildschirm abgewiesen: alter Code – dort die neue Adresse verwenden</translation>
    </message>
    <message>
        <source>%1 - remote control refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the remote control is the page that changes the score</extracomment>
        <translation>%1 – Fernbedienung abgewiesen: alter Code – dort die neue Adresse verwenden</translation>
    </message>
    <message>
        <source>%1 - overlay refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the overlay is the view-only page for OBS</extracomment>
        <translation>%1 – Einblendung abgewiesen: alter Code – dort die neue Adresse verwenden</translation>
    </message>
    <message numerus="yes">
        <source>%1 - no code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has shown no code</extracomment>
        <translation>
            <numerusform>%1 – kein Code, %n Verbindung</numerusform>
            <numerusform>%1 – kein Code, %n Verbindungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - control code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that changes the score</extracomment>
        <translation>
            <numerusform>%1 – Steuercode, %n Verbindung</numerusform>
            <numerusform>%1 – Steuercode, %n Verbindungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - view only, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that only shows the score</extracomment>
        <translation>
            <numerusform>%1 – nur ansehen, %n Verbindung</numerusform>
            <numerusform>%1 – nur ansehen, %n Verbindungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>&amp;Serve the remote control and the overlay</source>
        <translation>&amp;Fernbedienung und Einblendung bereitstellen</translation>
    </message>
    <message>
        <source>&amp;This computer only</source>
        <translation>Nur &amp;dieser Computer</translation>
    </message>
    <message>
        <source>The &amp;local network</source>
        <translation>Das &amp;lokale Netzwerk</translation>
    </message>
    <message>
        <source>Phones and other computers on this network can open the pages</source>
        <translation>Telefone und andere Computer in diesem Netzwerk können die Seiten öffnen</translation>
    </message>
    <message>
        <source>Who may connect:</source>
        <translation>Wer darf sich verbinden:</translation>
    </message>
    <message>
        <source>Enter, or leaving the field, applies a new port</source>
        <translation>Eingabetaste oder Verlassen des Felds übernimmt einen neuen Port</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Address of this computer:</source>
        <translation>&amp;Adresse dieses Computers:</translation>
    </message>
    <message>
        <source>Control: changes the score</source>
        <translation>Steuern: ändert den Spielstand</translation>
    </message>
    <message>
        <source>QR code of the control address</source>
        <translation>QR-Code der Steueradresse</translation>
    </message>
    <message>
        <source>A phone&apos;s camera opens the remote control from this</source>
        <translation>Die Kamera eines Telefons öffnet hiermit die Fernbedienung</translation>
    </message>
    <message>
        <source>Control address</source>
        <translation>Steueradresse</translation>
    </message>
    <message>
        <source>Copy the control address</source>
        <translation>Steueradresse kopieren</translation>
    </message>
    <message>
        <source>&amp;New code</source>
        <translation>&amp;Neuer Code</translation>
    </message>
    <message>
        <source>New control code</source>
        <translation>Neuer Steuercode</translation>
    </message>
    <message>
        <source>Devices with the old code can no longer change the score</source>
        <translation>Geräte mit dem alten Code können den Spielstand nicht mehr ändern</translation>
    </message>
    <message>
        <source>View only: OBS overlay, screen in the hall</source>
        <translation>Nur ansehen: OBS-Einblendung, Bildschirm in der Halle</translation>
    </message>
    <message>
        <source>QR code of the hall screen address</source>
        <translation>QR-Code der Adresse für den Hallenbildschirm</translation>
    </message>
    <message>
        <source>A tablet or a smart TV&apos;s browser opens the hall screen from this</source>
        <translation>Der Browser eines Tablets oder Smart-TVs öffnet hiermit den Hallenbildschirm</translation>
    </message>
    <message>
        <source>Overlay address, for OBS</source>
        <translation>Adresse der Einblendung, für OBS</translation>
    </message>
    <message>
        <source>Hall screen address</source>
        <translation>Adresse für den Hallenbildschirm</translation>
    </message>
    <message>
        <source>Copy the overlay address</source>
        <translation>Adresse der Einblendung kopieren</translation>
    </message>
    <message>
        <source>N&amp;ew code</source>
        <translation>Neuer &amp;Code</translation>
    </message>
    <message>
        <source>New view code</source>
        <translation>Neuer Ansichtscode</translation>
    </message>
    <message>
        <source>Overlays and screens with the old code stop showing the score</source>
        <translation>Einblendungen und Bildschirme mit dem alten Code zeigen den Spielstand nicht mehr</translation>
    </message>
    <message>
        <source>A phone needs &quot;The local network&quot;.</source>
        <extracomment>&quot;The local network&quot; is the choice of that name under &quot;Who may connect:&quot;</extracomment>
        <translation>Ein Telefon braucht „Das lokale Netzwerk“.</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Jetzt verbunden</translation>
    </message>
    <message>
        <source>Off: nothing is served.</source>
        <translation>Aus: Es wird nichts bereitgestellt.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer and the local network.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Bereitgestellt an Port %1 für diesen Computer und das lokale Netzwerk.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer only.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Bereitgestellt an Port %1 nur für diesen Computer.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Nicht bereitgestellt.</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In the list of devices connected now: none</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Let in</source>
        <translation>Zulassen</translation>
    </message>
    <message>
        <source>Let in %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>%1 zulassen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Disconnect %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>%1 trennen</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: pick a number from %2 to 65535.</source>
        <extracomment>%1 is what was typed in the port field, %2 the lowest port allowed</extracomment>
        <translation>Port „%1“: eine Zahl von %2 bis 65535 wählen.</translation>
    </message>
</context>
<context>
    <name>RestoreLink</name>
    <message>
        <source>Restore the last match</source>
        <extracomment>what a screen reader calls the link under the status line</extracomment>
        <translation>Letztes Spiel wiederherstellen</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>%1, serial %2</source>
        <extracomment>%1 is what the device is, such as &quot;FTDI FT232R USB UART&quot;; %2 its serial number</extracomment>
        <translation>%1, Seriennummer %2</translation>
    </message>
    <message>
        <source>%1 in socket %2</source>
        <extracomment>%1 is what the device is; %2 the USB socket it is plugged into, such as 1-1.2</extracomment>
        <translation>%1 an Buchse %2</translation>
    </message>
    <message>
        <source>Join the %1 group, then log in again.</source>
        <extracomment>%1 is a user group of the system, such as dialout</extracomment>
        <translation>Der Gruppe %1 beitreten, dann neu anmelden.</translation>
    </message>
    <message>
        <source>%1 is owned by %2 - an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %2 the user who owns it</extracomment>
        <translation>%1 gehört %2 – ein Administrator muss die Nutzung erlauben.</translation>
    </message>
    <message>
        <source>%1: an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>%1: Ein Administrator muss die Nutzung erlauben.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Port %1: no such port - type 1 to %2.</source>
        <extracomment>%1 is the port number, %2 the highest port number</extracomment>
        <translation>Anschluss %1 gibt es nicht – 1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>Port %1 (%2): no such device.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Anschluss %1 (%2): Gerät nicht vorhanden.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: no such device.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) ist wieder da, ließ sich aber nicht öffnen: Gerät nicht vorhanden.</translation>
    </message>
    <message>
        <source>Port %1: no such device.</source>
        <translation>Anschluss %1: Gerät nicht vorhanden.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: no such device.</source>
        <translation>Anschlüsse 1 und 2: Gerät nicht vorhanden.</translation>
    </message>
    <message>
        <source>Port %1 (%2): permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2): keine Berechtigung.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) ist wieder da, ließ sich aber nicht öffnen: keine Berechtigung.</translation>
    </message>
    <message>
        <source>Port %1: permission denied.</source>
        <translation>Anschluss %1: keine Berechtigung.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: permission denied.</source>
        <translation>Anschlüsse 1 und 2: keine Berechtigung.</translation>
    </message>
    <message>
        <source>Port %1 (%2): in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2): von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) ist wieder da, ließ sich aber nicht öffnen: von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>Port %1: in use by another program.</source>
        <translation>Anschluss %1: von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: in use by another program.</source>
        <translation>Anschlüsse 1 und 2: von einem anderen Programm belegt.</translation>
    </message>
    <message>
        <source>Port %1 (%2): the system console.</source>
        <extracomment>%1 is the port number, %2 the device path. The machine&apos;s console talks on this port.</extracomment>
        <translation>Anschluss %1 (%2): die Systemkonsole.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: the system console.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) ist wieder da, ließ sich aber nicht öffnen: die Systemkonsole.</translation>
    </message>
    <message>
        <source>Port %1: the system console.</source>
        <translation>Anschluss %1: die Systemkonsole.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: the system console.</source>
        <translation>Anschlüsse 1 und 2: die Systemkonsole.</translation>
    </message>
    <message>
        <source>Port %1 is back but did not open: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 ist wieder da, ließ sich aber nicht öffnen: %2 ist kein serieller Anschluss.</translation>
    </message>
    <message>
        <source>Port %1: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path; a device node with no serial chip behind it</extracomment>
        <translation>Anschluss %1: %2 ist kein serieller Anschluss.</translation>
    </message>
    <message>
        <source>Port %1 (%2): cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Anschluss %1 (%2): lässt sich nicht öffnen (%3).</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Anschluss %1 (%2) ist wieder da, ließ sich aber nicht öffnen (%3).</translation>
    </message>
    <message>
        <source>Port %1: cannot open (%2).</source>
        <extracomment>%1 is the port number, %2 the system&apos;s own message</extracomment>
        <translation>Anschluss %1: lässt sich nicht öffnen (%2).</translation>
    </message>
    <message>
        <source>Ports 1 and 2: cannot open (%1).</source>
        <extracomment>%1 is the system&apos;s own message</extracomment>
        <translation>Anschlüsse 1 und 2: lassen sich nicht öffnen (%1).</translation>
    </message>
    <message>
        <source>Close it or pick another port.</source>
        <translation>Das Programm schließen oder einen anderen Anschluss wählen.</translation>
    </message>
    <message>
        <source>Pick another port.</source>
        <translation>Einen anderen Anschluss wählen.</translation>
    </message>
    <message>
        <source>Type a port number from 1 to %1.</source>
        <extracomment>%1 is the highest port number</extracomment>
        <translation>Eine Anschlussnummer von 1 bis %1 eingeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number - type 1 to %2.</source>
        <extracomment>%1 is what the operator typed in the COM-port field, %2 the highest port number</extracomment>
        <translation>„%1“ ist keine Anschlussnummer – 1 bis %2 eingeben.</translation>
    </message>
    <message>
        <source>Found %1 - pick it under COM-port.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; COM-port is the field&apos;s caption</extracomment>
        <translation>Gefunden: %1 – unter „COM-Anschluss“ auswählen.</translation>
    </message>
    <message>
        <source>Found %1, %2 - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Gefunden: %1, %2 – eines unter „COM-Anschluss“ auswählen.</translation>
    </message>
    <message>
        <source>No permission for %1.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Keine Berechtigung für %1.</translation>
    </message>
    <message>
        <source>No permission for %1, %2.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Keine Berechtigung für %1, %2.</translation>
    </message>
    <message>
        <source>No other serial device - plug in the adapter.</source>
        <translation>Kein anderes serielles Gerät – den Adapter einstecken.</translation>
    </message>
    <message>
        <source>No serial device found - plug in the adapter or type a port number under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>Kein serielles Gerät gefunden – den Adapter einstecken oder unter „COM-Anschluss“ eine Nummer eingeben.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) ist jetzt ein anderes Gerät – zum Benutzen auswählen.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2 - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>Anschluss %1 ist jetzt ein anderes Gerät: %2 – zum Benutzen auswählen.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device, no permission.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) ist jetzt ein anderes Gerät, keine Berechtigung.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2, no permission.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>Anschluss %1 ist jetzt ein anderes Gerät: %2, keine Berechtigung.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Anschluss %1 (%2) geöffnet.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open, start-up command sent.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) geöffnet, Startbefehl gesendet.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open - the adapter used last time.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) geöffnet – der zuletzt benutzte Adapter.</translation>
    </message>
    <message>
        <source>The adapter used last time is %1 - pick it to use it.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Der zuletzt benutzte Adapter ist %1 – zum Benutzen auswählen.</translation>
    </message>
    <message>
        <source>Port %1 (%2) unplugged - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) abgezogen – er wird beim Wiedereinstecken erneut geöffnet.</translation>
    </message>
    <message>
        <source>Port %1 (%2) closed so that it can be removed safely - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) geschlossen, damit er sicher entfernt werden kann – er wird beim Wiedereinstecken erneut geöffnet.</translation>
    </message>
    <message>
        <source>Port %1 (%2) plugged in again and open.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Anschluss %1 (%2) wieder eingesteckt und geöffnet.</translation>
    </message>
    <message>
        <source>Port %1 is back as port %2 (%3) and open.</source>
        <extracomment>%1 is the port number the device had, %2 the one it has now, %3 its device path</extracomment>
        <translation>Anschluss %1 ist als Anschluss %2 (%3) zurück und geöffnet.</translation>
    </message>
    <message>
        <source>Sending %1 to port %2 ...</source>
        <extracomment>%1 are the scores as the board shows them (&quot;08 15&quot;), %2 the port number</extracomment>
        <translation>%1 wird an Anschluss %2 gesendet …</translation>
    </message>
    <message>
        <source>Reset from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Zurücksetzen von %1: %2 wird an Anschluss %3 gesendet …</translation>
    </message>
    <message>
        <source>Update from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Aktualisierung von %1: %2 wird an Anschluss %3 gesendet …</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent the start-up command.</source>
        <translation>Zurücksetzen wartet – die Tafel erhält gerade den Startbefehl.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent the start-up command.</source>
        <translation>Aktualisierung wartet – die Tafel erhält gerade den Startbefehl.</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent %1.</source>
        <extracomment>%1 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Zurücksetzen wartet – die Tafel erhält gerade %1.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent %1.</source>
        <translation>Aktualisierung wartet – die Tafel erhält gerade %1.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent the start-up command.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23</extracomment>
        <translation>Zurücksetzen von %1 wartet – die Tafel erhält gerade den Startbefehl.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent the start-up command.</source>
        <translation>Aktualisierung von %1 wartet – die Tafel erhält gerade den Startbefehl.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent %2.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Zurücksetzen von %1 wartet – die Tafel erhält gerade %2.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent %2.</source>
        <translation>Aktualisierung von %1 wartet – die Tafel erhält gerade %2.</translation>
    </message>
    <message>
        <source>Board shows %1 - sent to port %2 at %3.</source>
        <extracomment>%1 are the scores (&quot;08 15&quot;), %2 the port number, %3 the time of day</extracomment>
        <translation>Tafel zeigt %1 – um %3 an Anschluss %2 gesendet.</translation>
    </message>
    <message>
        <source>Reset from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Zurücksetzen von %1: Tafel zeigt %2 – um %4 an Anschluss %3 gesendet.</translation>
    </message>
    <message>
        <source>Update from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Aktualisierung von %1: Tafel zeigt %2 – um %4 an Anschluss %3 gesendet.</translation>
    </message>
    <message>
        <source>Not on the board yet - press Update scoreboard.</source>
        <extracomment>&quot;Update scoreboard&quot; is the button&apos;s caption</extracomment>
        <translation>Noch nicht auf der Tafel – „Anzeigetafel aktualisieren“ drücken.</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 was unplugged - the board may show a mix; it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>
            <numerusform>Aktualisierung nach %n von %1 Ziffern abgebrochen: Anschluss %2 wurde abgezogen – die Tafel zeigt evtl. ein Gemisch. Wieder einstecken, dann „Anzeigetafel aktualisieren“ drücken.</numerusform>
            <numerusform>Aktualisierung nach %n von %1 Ziffern abgebrochen: Anschluss %2 wurde abgezogen – die Tafel zeigt evtl. ein Gemisch. Wieder einstecken, dann „Anzeigetafel aktualisieren“ drücken.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 was unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>Nicht gesendet: Anschluss %1 wurde abgezogen – wieder einstecken, dann „Anzeigetafel aktualisieren“ drücken.</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path</extracomment>
        <translation>
            <numerusform>Aktualisierung nach %n von %1 Ziffern abgebrochen: Anschluss %2 (%3) funktioniert nicht mehr – die Tafel zeigt evtl. ein Gemisch. Kabel prüfen, dann „Anzeigetafel aktualisieren“ drücken.</numerusform>
            <numerusform>Aktualisierung nach %n von %1 Ziffern abgebrochen: Anschluss %2 (%3) funktioniert nicht mehr – die Tafel zeigt evtl. ein Gemisch. Kabel prüfen, dann „Anzeigetafel aktualisieren“ drücken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path, %4 the system&apos;s own message</extracomment>
        <translation>
            <numerusform>Aktualisierung nach %n von %1 Ziffern abgebrochen: Anschluss %2 (%3) funktioniert nicht mehr (%4) – die Tafel zeigt evtl. ein Gemisch. Kabel prüfen, dann „Anzeigetafel aktualisieren“ drücken.</numerusform>
            <numerusform>Aktualisierung nach %n von %1 Ziffern abgebrochen: Anschluss %2 (%3) funktioniert nicht mehr (%4) – die Tafel zeigt evtl. ein Gemisch. Kabel prüfen, dann „Anzeigetafel aktualisieren“ drücken.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Nicht gesendet: Anschluss %1 (%2) funktioniert nicht mehr – Kabel prüfen, dann „Anzeigetafel aktualisieren“ drücken.</translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working (%3) - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Nicht gesendet: Anschluss %1 (%2) funktioniert nicht mehr (%3) – Kabel prüfen, dann „Anzeigetafel aktualisieren“ drücken.</translation>
    </message>
    <message>
        <source>Not sent: port %1 is unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Nicht gesendet: Anschluss %1 ist abgezogen – wieder einstecken, dann „Anzeigetafel aktualisieren“ drücken.</translation>
    </message>
    <message>
        <source>Not sent: no port is open - choose one under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>Nicht gesendet: kein Anschluss geöffnet – einen unter „COM-Anschluss“ auswählen.</translation>
    </message>
    <message>
        <source>Not kept for next time: %1 cannot be written.</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Nicht für das nächste Mal gespeichert: %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Last match: window showed %1.</source>
        <extracomment>%1 are the scores the window showed (&quot;08 15&quot;)</extracomment>
        <translation>Letztes Spiel: Fenster zeigte %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1.</source>
        <extracomment>%1 are the scores the board showed (&quot;08 15&quot;)</extracomment>
        <translation>Letztes Spiel: Tafel zeigte %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1, window %2.</source>
        <extracomment>%1 are the scores the board showed, %2 those the window showed</extracomment>
        <translation>Letztes Spiel: Tafel zeigte %1, Fenster %2.</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent</extracomment>
        <translation>Letztes Spiel: Tafel zeigte %1 (gesendet %2).</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2, window %3.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent, %3 the scores the window showed</extracomment>
        <translation>Letztes Spiel: Tafel zeigte %1 (gesendet %2), Fenster %3.</translation>
    </message>
    <message>
        <source>Press Restore to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match&apos;s scores back into the window</extracomment>
        <translation>Mit „Wiederherstellen“ zurückholen.</translation>
    </message>
    <message>
        <source>Press Restore (%1) to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match back; %1 is its shortcut key, such as Ctrl+R</extracomment>
        <translation>Mit „Wiederherstellen“ (%1) zurückholen.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>brings the last match&apos;s scores back into the window</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>%1 asked for an update.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 hat eine Aktualisierung angefordert.</translation>
    </message>
    <message>
        <source>%1 asked for a reset.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 hat das Zurücksetzen angefordert.</translation>
    </message>
    <message>
        <source>%1 raised the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 hat den Spielstand links erhöht.</translation>
    </message>
    <message>
        <source>%1 lowered the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 hat den Spielstand links verringert.</translation>
    </message>
    <message>
        <source>%1 raised the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 hat den Spielstand rechts erhöht.</translation>
    </message>
    <message>
        <source>%1 lowered the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 hat den Spielstand rechts verringert.</translation>
    </message>
    <message>
        <source>%1 restored the last match.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 hat das letzte Spiel wiederhergestellt.</translation>
    </message>
    <message numerus="yes">
        <source>Found %1, %2, %n more - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Gefunden: %1, %2 und %n weiteres – eines unter „COM-Anschluss“ auswählen.</numerusform>
            <numerusform>Gefunden: %1, %2 und %n weitere – eines unter „COM-Anschluss“ auswählen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No permission for %1, %2, %n more.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Keine Berechtigung für %1, %2 und %n weiteres.</numerusform>
            <numerusform>Keine Berechtigung für %1, %2 und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemSerialLink</name>
    <message>
        <source>the port did not take the bytes</source>
        <extracomment>Said in brackets after &quot;port 3 stopped working&quot;, where the system gave no reason</extracomment>
        <translation>der Anschluss hat die Daten nicht angenommen</translation>
    </message>
</context>
<context>
    <name>Win32SerialLink</name>
    <message>
        <source>system error %1</source>
        <extracomment>Said in brackets after &quot;cannot open&quot; or &quot;stopped working&quot; where Windows has no words for its error code %1</extracomment>
        <translation>Systemfehler %1</translation>
    </message>
</context>
<context>
    <name>WindowsSerialPlatform</name>
    <message>
        <source>Port n is COMn (1 to 255); USB adapters get their COM number from Windows (Device Manager, Ports).</source>
        <extracomment>COMn is the system&apos;s name of port n: keep it as it is. Device Manager and Ports as Windows names them</extracomment>
        <translation>Anschluss n ist COMn (1 bis 255); USB-Adapter erhalten ihre COM-Nummer von Windows (Geräte-Manager, Anschlüsse).</translation>
    </message>
</context>
</TS>
