<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The operator&apos;s console for a four-digit LED scoreboard on a serial line (2400 baud, 8N1, DTR on).

At start it opens the adapter last sent to when that was not port 1 or 2 and that very adapter is plugged in; otherwise it tries ports 1 and 2 and opens the first that opens. Every serial device present is listed under &quot;COM-port&quot;.

%1</source>
        <extracomment>The first paragraphs of --help; %1 is the paragraph on this system&apos;s port numbers.</extracomment>
        <translation>Het bedieningsprogramma voor een viercijferig LED-scorebord op een seriële lijn (2400 baud, 8N1, DTR aan).

Bij het starten opent het de adapter waarnaar het laatst is verstuurd, als dat niet poort 1 of 2 was en juist die adapter is aangesloten; anders probeert het poort 1 en 2 en opent het de eerste die opengaat. Elk aanwezig serieel apparaat staat onder “COM-poort”.

%1</translation>
    </message>
    <message>
        <source>no serial device found</source>
        <translation>geen serieel apparaat gevonden</translation>
    </message>
    <message>
        <source>no display - start it from a desktop session, or see --help</source>
        <translation>geen beeldscherm - start het vanuit een bureaubladsessie, of zie --help</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Toont hulp bij de opdrachtregelopties.</translation>
    </message>
    <message>
        <source>Print one line per serial device: port number, device, description, USB identity, and whether you may open it; then exit. Opens no device.</source>
        <translation>Toont één regel per serieel apparaat: poortnummer, apparaat, beschrijving, USB-identiteit en of het geopend mag worden; stopt daarna. Opent geen apparaat.</translation>
    </message>
    <message>
        <source>Turn the remote control on (kept on, like its switch in the Remote control window): the pages for phones, OBS and a screen in the hall, and the API for stream decks.</source>
        <translation>Zet de afstandsbediening aan (blijft aan, net als met de schakelaar in het venster Afstandsbediening): de pagina&apos;s voor telefoons, OBS en een scherm in de zaal, en de API voor stream decks.</translation>
    </message>
    <message>
        <source>Speak this language (de, en, es, fr, nl) instead of the system&apos;s; kept as the setting &quot;language&quot; does.</source>
        <extracomment>--lang&apos;s value in --help: a language code such as de.</extracomment>
        <translation>Gebruik deze taal (de, en, es, fr, nl) in plaats van die van het systeem; wordt bewaard zoals de instelling “language”.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>taalcode</translation>
    </message>
    <message>
        <source>Try &apos;scoreboard --help&apos;.</source>
        <translation>Probeer &apos;scoreboard --help&apos;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Scoreboard</source>
        <translation>Scorebord</translation>
    </message>
    <message>
        <source>Tens digit</source>
        <translation>Tientallen</translation>
    </message>
    <message>
        <source>Units digit</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>&amp;Update scoreboard</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Reset Score&quot; and &quot;COM-port&quot;</extracomment>
        <translation>Scorebord &amp;bijwerken</translation>
    </message>
    <message>
        <source>Reset &amp;Score</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Update scoreboard&quot; and &quot;COM-port&quot;</extracomment>
        <translation>&amp;Score op nul zetten</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <translation>Stand links: min</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <translation>Stand links: plus</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Stand rechts: min</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Stand rechts: plus</translation>
    </message>
    <message>
        <source>&amp;COM-port</source>
        <extracomment>the serial port&apos;s field; &amp; marks the Alt+letter key that reaches it, unlike those of the two buttons</extracomment>
        <translation>&amp;COM-poort</translation>
    </message>
    <message>
        <source>Serial port number of the scoreboard</source>
        <translation>Nummer van de seriële poort van het scorebord</translation>
    </message>
    <message>
        <source>Puts the last match&apos;s scores back in the window (%1); nothing is sent</source>
        <extracomment>%1 is its key, such as Ctrl+R</extracomment>
        <translation>Zet de stand van de laatste wedstrijd terug in het venster (%1); er wordt niets verstuurd</translation>
    </message>
    <message>
        <source>Remote control…</source>
        <extracomment>the window&apos;s context menu; opens the remote control&apos;s window</extracomment>
        <translation>Afstandsbediening…</translation>
    </message>
    <message>
        <source>Right-click for the remote control (%1)</source>
        <extracomment>%1 is its key, such as Ctrl+Shift+R</extracomment>
        <translation>Rechtsklik voor de afstandsbediening (%1)</translation>
    </message>
    <message>
        <source>Lowers the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F2</extracomment>
        <translation>Verlaagt de stand links met één in het venster; Scorebord bijwerken verstuurt die (%1)</translation>
    </message>
    <message>
        <source>Raises the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F3</extracomment>
        <translation>Verhoogt de stand links met één in het venster; Scorebord bijwerken verstuurt die (%1)</translation>
    </message>
    <message>
        <source>Sends the four digits to the board (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F9; PgDown</extracomment>
        <translation>Verstuurt de vier cijfers naar het bord (%1)</translation>
    </message>
    <message>
        <source>Lowers the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F6</extracomment>
        <translation>Verlaagt de stand rechts met één in het venster; Scorebord bijwerken verstuurt die (%1)</translation>
    </message>
    <message>
        <source>Raises the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F7</extracomment>
        <translation>Verhoogt de stand rechts met één in het venster; Scorebord bijwerken verstuurt die (%1)</translation>
    </message>
    <message>
        <source>Sets both scores to 0 and sends them to the board (%1, after a question)</source>
        <extracomment>%1 is the key or keys that press the button, such as F12</extracomment>
        <translation>Zet beide standen op 0 en verstuurt ze naar het bord (%1, na een vraag)</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Score op nul zetten</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>Beide standen op 0 zetten en naar het bord versturen?</translation>
    </message>
    <message>
        <source>Left score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F2</extracomment>
        <translation>Stand links min: %1</translation>
    </message>
    <message>
        <source>Left score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F3</extracomment>
        <translation>Stand links plus: %1</translation>
    </message>
    <message>
        <source>Right score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F6</extracomment>
        <translation>Stand rechts min: %1</translation>
    </message>
    <message>
        <source>Right score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F7</extracomment>
        <translation>Stand rechts plus: %1</translation>
    </message>
    <message>
        <source>Update scoreboard: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F9; PgDown</extracomment>
        <translation>Scorebord bijwerken: %1</translation>
    </message>
    <message>
        <source>Reset Score, after a question: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F12</extracomment>
        <translation>Score op nul zetten, na een vraag: %1</translation>
    </message>
    <message>
        <source>Restore the last match, while it is offered: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+R</extracomment>
        <translation>Laatste wedstrijd herstellen, zolang dat wordt aangeboden: %1</translation>
    </message>
    <message>
        <source>Remote control: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+Shift+R</extracomment>
        <translation>Afstandsbediening: %1</translation>
    </message>
    <message>
        <source>Alt and a caption&apos;s underlined letter: that button, or the COM-port field</source>
        <extracomment>a line of the list of keys; the underlined letters of the captions</extracomment>
        <translation>Alt en de onderstreepte letter van een opschrift: die knop, of het veld COM-poort</translation>
    </message>
    <message>
        <source>This list: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F1</extracomment>
        <translation>Deze lijst: %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>%1: &quot;%2&quot; is no key this window can use; %1 keeps %3.</source>
        <extracomment>%1 is a setting&apos;s name such as Keys/update, %2 what it holds, %3 the default key(s) such as F9; PgDown</extracomment>
        <translation>%1: “%2” is geen toets die dit venster kan gebruiken; %1 blijft %3.</translation>
    </message>
    <message>
        <source>%1: %2 is the key of %3 already; %1 keeps %4.</source>
        <extracomment>%1 and %3 are settings&apos; names such as Keys/update, %2 a key such as F9, %4 the default key(s)</extracomment>
        <translation>%1: %2 is al de toets van %3; %1 blijft %4.</translation>
    </message>
</context>
<context>
    <name>LinuxSerialPlatform</name>
    <message>
        <source>Port numbers: 1-32 are /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB adapters), 65-96 /dev/ttyACM0-31.</source>
        <extracomment>The device names and ranges are the system&apos;s own: keep them as they are</extracomment>
        <translation>Poortnummers: 1-32 zijn /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB-adapters), 65-96 /dev/ttyACM0-31.</translation>
    </message>
    <message>
        <source>To use serial ports your user must be in the dialout group.</source>
        <extracomment>dialout is the name of the system&apos;s user group: keep it as it is</extracomment>
        <translation>Voor seriële poorten moet de gebruiker lid zijn van de groep dialout.</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Left score %1</source>
        <extracomment>%1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Stand links %1</translation>
    </message>
    <message>
        <source>Right score %1</source>
        <extracomment>%1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Stand rechts %1</translation>
    </message>
    <message>
        <source>Left score %1.</source>
        <extracomment>Told to a screen reader; %1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Stand links %1.</translation>
    </message>
    <message>
        <source>Right score %1.</source>
        <extracomment>Told to a screen reader; %1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Stand rechts %1.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>The settings cannot be saved in %1: these codes and choices will change at the next start.</source>
        <extracomment>%1 is the settings file&apos;s path</extracomment>
        <translation>De instellingen kunnen niet worden opgeslagen in %1: deze codes en keuzes veranderen bij de volgende start.</translation>
    </message>
</context>
<context>
    <name>RemoteLoader</name>
    <message>
        <source>scoreboard: the remote control cannot be loaded: %1</source>
        <extracomment>On standard error; %1 is why, such as &quot;... is of version 1.3.0, this program of 1.4.0&quot;</extracomment>
        <translation>scoreboard: de afstandsbediening kan niet worden geladen: %1</translation>
    </message>
    <message>
        <source>%1 does not say its version, this program is of %2</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 the program&apos;s version such as 1.4.0</extracomment>
        <translation>%1 vermeldt geen versie, dit programma is versie %2</translation>
    </message>
    <message>
        <source>%1 is of version %2, this program of %3</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 its version and %3 the program&apos;s, such as 1.4.0</extracomment>
        <translation>%1 is versie %2, dit programma versie %3</translation>
    </message>
</context>
<context>
    <name>RemotePages</name>
    <message>
        <source>Scoreboard remote</source>
        <extracomment>The browser tab&apos;s title of the phone&apos;s remote control page</extracomment>
        <translation>Afstandsbediening scorebord</translation>
    </message>
    <message>
        <source>Scoreboard overlay</source>
        <extracomment>The browser tab&apos;s title of the overlay page for OBS</extracomment>
        <translation>Overlay scorebord</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <extracomment>The browser tab&apos;s title of the hall screen page</extracomment>
        <translation>Scorebord</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Read by a screen reader for the two scores of the overlay and the hall screen</extracomment>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>A banner while the page reaches the scoreboard program</extracomment>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting...</source>
        <translation>Verbinding verbroken - opnieuw verbinden...</translation>
    </message>
    <message>
        <source>This address&apos;s code is not valid: open the control address the scoreboard&apos;s Remote control window shows now.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>De code in dit adres is niet geldig: open het bedieningsadres dat het venster Afstandsbediening van het scorebord nu toont.</translation>
    </message>
    <message>
        <source>This address lacks its code: open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Dit adres mist de code: open het bedieningsadres dat het venster Afstandsbediening van het scorebord toont.</translation>
    </message>
    <message>
        <source>View only: this address shows the score and cannot change it. To change it, open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Alleen bekijken: dit adres toont de stand, maar kan die niet wijzigen. Wijzigen kan via het bedieningsadres dat het venster Afstandsbediening van het scorebord toont.</translation>
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
        <translation>Stand links</translation>
    </message>
    <message>
        <source>Right score</source>
        <translation>Stand rechts</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <extracomment>Read by a screen reader for the &quot;-&quot; button under the left score</extracomment>
        <translation>Stand links: min</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <extracomment>Read by a screen reader for the &quot;+&quot; button under the left score</extracomment>
        <translation>Stand links: plus</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Stand rechts: min</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Stand rechts: plus</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <extracomment>A button: brings back the last match&apos;s scores; %1 is them, such as &quot;12 08&quot;</extracomment>
        <translation>%1 herstellen</translation>
    </message>
    <message>
        <source>Update scoreboard</source>
        <extracomment>A button: sends the scores to the scoreboard</extracomment>
        <translation>Scorebord bijwerken</translation>
    </message>
    <message>
        <source>The board shows %1. Put %2 on it?</source>
        <extracomment>Asked after Update scoreboard when the board shows higher scores; %1 is the board&apos;s scores, %2 the ones to send, such as &quot;12 08&quot;</extracomment>
        <translation>Het bord toont %1. %2 erop zetten?</translation>
    </message>
    <message>
        <source>Put %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the scores to send, such as &quot;00 00&quot;</extracomment>
        <translation>%1 op het bord zetten</translation>
    </message>
    <message>
        <source>Keep %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>%1 op het bord houden</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <extracomment>A button: sets both scores to 0 and sends them to the scoreboard</extracomment>
        <translation>Score op nul zetten</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>Beide standen op 0 zetten en naar het bord versturen?</translation>
    </message>
    <message>
        <source>Reset to 00 00</source>
        <translation>Op 00 00 zetten</translation>
    </message>
    <message>
        <source>Keep the scores</source>
        <translation>Stand behouden</translation>
    </message>
    <message>
        <source>Board shows</source>
        <extracomment>A label; beside it the scores the scoreboard shows</extracomment>
        <translation>Bord toont</translation>
    </message>
    <message>
        <source>not known</source>
        <extracomment>Beside &quot;Board shows&quot;: the program does not know what the board shows</extracomment>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>%1 - the window differs from the board</source>
        <extracomment>Beside &quot;Board shows&quot;: %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>%1 - het venster wijkt af van het bord</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>A label; beside it the serial port the scoreboard is on</extracomment>
        <translation>Poort</translation>
    </message>
    <message>
        <source>none open</source>
        <extracomment>Beside &quot;Port&quot;: no serial port is open</extracomment>
        <translation>geen open</translation>
    </message>
    <message>
        <source>port %1 open</source>
        <extracomment>Beside &quot;Port&quot;: %1 is the serial port&apos;s number</extracomment>
        <translation>poort %1 open</translation>
    </message>
    <message>
        <source>Not reached: is the scoreboard program running?</source>
        <extracomment>A button was pressed, and the phone cannot reach the computer the program runs on</extracomment>
        <translation>Geen verbinding: draait het scorebordprogramma?</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program: pick another port, or end that program.</source>
        <extracomment>%1 is the port number the remote control was to be served at</extracomment>
        <translation>Poort %1 is in gebruik door een ander programma: kies een andere poort of sluit dat programma af.</translation>
    </message>
    <message>
        <source>Cannot serve at %1 port %2: %3.</source>
        <extracomment>%1 is an address of this computer such as 127.0.0.1, %2 the port number, %3 the system&apos;s reason</extracomment>
        <translation>Aanbieden op %1, poort %2 lukt niet: %3.</translation>
    </message>
    <message>
        <source>too many connections and files are open</source>
        <translation>er zijn te veel verbindingen en bestanden open</translation>
    </message>
    <message>
        <source>Connections are not taken for a moment: %1. Close other programs or devices if this stays.</source>
        <extracomment>%1 is why, such as &quot;too many connections and files are open&quot; or the system&apos;s reason</extracomment>
        <translation>Even geen nieuwe verbindingen: %1. Sluit andere programma&apos;s of apparaten als dit zo blijft.</translation>
    </message>
</context>
<context>
    <name>RemoteWindow</name>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>%1 (this computer)</source>
        <extracomment>In the list of devices connected now; %1 is this computer&apos;s own address, 127.0.0.1</extracomment>
        <translation>%1 (deze computer)</translation>
    </message>
    <message>
        <source>%1 - disconnected, kept out</source>
        <extracomment>%1 is the device&apos;s address, such as 192.168.1.20</extracomment>
        <translation>%1 - verbinding verbroken, geweerd</translation>
    </message>
    <message>
        <source>%1 - hall screen refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the hall screen is the view-only page for a screen in the hall</extracomment>
        <translation>%1 - zaalscherm geweigerd: de code is verouderd - open daar het nieuwe adres</translation>
    </message>
    <message>
        <source>%1 - remote control refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the remote control is the page that changes the score</extracomment>
        <translation>%1 - afstandsbediening geweigerd: de code is verouderd - open daar het nieuwe adres</translation>
    </message>
    <message>
        <source>%1 - overlay refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the overlay is the view-only page for OBS</extracomment>
        <translation>%1 - overlay geweigerd: de code is verouderd - open daar het nieuwe adres</translation>
    </message>
    <message numerus="yes">
        <source>%1 - no code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has shown no code</extracomment>
        <translation>
            <numerusform>%1 - geen code, %n verbinding</numerusform>
            <numerusform>%1 - geen code, %n verbindingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - control code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that changes the score</extracomment>
        <translation>
            <numerusform>%1 - bedieningscode, %n verbinding</numerusform>
            <numerusform>%1 - bedieningscode, %n verbindingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - view only, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that only shows the score</extracomment>
        <translation>
            <numerusform>%1 - alleen bekijken, %n verbinding</numerusform>
            <numerusform>%1 - alleen bekijken, %n verbindingen</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Afstandsbediening</translation>
    </message>
    <message>
        <source>&amp;Serve the remote control and the overlay</source>
        <translation>Afstandsbediening en overlay &amp;aanbieden</translation>
    </message>
    <message>
        <source>&amp;This computer only</source>
        <translation>Alleen &amp;deze computer</translation>
    </message>
    <message>
        <source>The &amp;local network</source>
        <translation>Het &amp;lokale netwerk</translation>
    </message>
    <message>
        <source>Phones and other computers on this network can open the pages</source>
        <translation>Telefoons en andere computers in dit netwerk kunnen de pagina&apos;s openen</translation>
    </message>
    <message>
        <source>Who may connect:</source>
        <translation>Wie mag verbinden:</translation>
    </message>
    <message>
        <source>Enter, or leaving the field, applies a new port</source>
        <translation>Een nieuwe poort geldt na Enter of na het verlaten van het veld</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Poort:</translation>
    </message>
    <message>
        <source>&amp;Address of this computer:</source>
        <translation>Adres van deze &amp;computer:</translation>
    </message>
    <message>
        <source>Control: changes the score</source>
        <translation>Bediening: wijzigt de stand</translation>
    </message>
    <message>
        <source>QR code of the control address</source>
        <translation>QR-code van het bedieningsadres</translation>
    </message>
    <message>
        <source>A phone&apos;s camera opens the remote control from this</source>
        <translation>De camera van een telefoon opent hiermee de afstandsbediening</translation>
    </message>
    <message>
        <source>Control address</source>
        <translation>Bedieningsadres</translation>
    </message>
    <message>
        <source>Copy the control address</source>
        <translation>Bedieningsadres kopiëren</translation>
    </message>
    <message>
        <source>&amp;New code</source>
        <translation>&amp;Nieuwe code</translation>
    </message>
    <message>
        <source>New control code</source>
        <translation>Nieuwe bedieningscode</translation>
    </message>
    <message>
        <source>Devices with the old code can no longer change the score</source>
        <translation>Apparaten met de oude code kunnen de stand niet meer wijzigen</translation>
    </message>
    <message>
        <source>View only: OBS overlay, screen in the hall</source>
        <translation>Alleen bekijken: OBS-overlay, scherm in de zaal</translation>
    </message>
    <message>
        <source>QR code of the hall screen address</source>
        <translation>QR-code van het zaalschermadres</translation>
    </message>
    <message>
        <source>A tablet or a smart TV&apos;s browser opens the hall screen from this</source>
        <translation>De browser van een tablet of smart-tv opent hiermee het zaalscherm</translation>
    </message>
    <message>
        <source>Overlay address, for OBS</source>
        <translation>Overlay-adres, voor OBS</translation>
    </message>
    <message>
        <source>Hall screen address</source>
        <translation>Zaalschermadres</translation>
    </message>
    <message>
        <source>Copy the overlay address</source>
        <translation>Overlay-adres kopiëren</translation>
    </message>
    <message>
        <source>N&amp;ew code</source>
        <translation>N&amp;ieuwe code</translation>
    </message>
    <message>
        <source>New view code</source>
        <translation>Nieuwe kijkcode</translation>
    </message>
    <message>
        <source>Overlays and screens with the old code stop showing the score</source>
        <translation>Overlays en schermen met de oude code tonen de stand niet meer</translation>
    </message>
    <message>
        <source>A phone needs &quot;The local network&quot;.</source>
        <extracomment>&quot;The local network&quot; is the choice of that name under &quot;Who may connect:&quot;</extracomment>
        <translation>Een telefoon heeft “Het lokale netwerk” nodig.</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Nu verbonden</translation>
    </message>
    <message>
        <source>Off: nothing is served.</source>
        <translation>Uit: er wordt niets aangeboden.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer and the local network.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Aangeboden op poort %1 aan deze computer en het lokale netwerk.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer only.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Aangeboden op poort %1 aan alleen deze computer.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Wordt niet aangeboden.</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In the list of devices connected now: none</extracomment>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Let in</source>
        <translation>Toelaten</translation>
    </message>
    <message>
        <source>Let in %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>%1 toelaten</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Disconnect %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>Verbinding met %1 verbreken</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: pick a number from %2 to 65535.</source>
        <extracomment>%1 is what was typed in the port field, %2 the lowest port allowed</extracomment>
        <translation>Poort “%1”: kies een getal van %2 tot en met 65535.</translation>
    </message>
</context>
<context>
    <name>RestoreLink</name>
    <message>
        <source>Restore the last match</source>
        <extracomment>what a screen reader calls the link under the status line</extracomment>
        <translation>Laatste wedstrijd herstellen</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>%1, serial %2</source>
        <extracomment>%1 is what the device is, such as &quot;FTDI FT232R USB UART&quot;; %2 its serial number</extracomment>
        <translation>%1, serienummer %2</translation>
    </message>
    <message>
        <source>%1 in socket %2</source>
        <extracomment>%1 is what the device is; %2 the USB socket it is plugged into, such as 1-1.2</extracomment>
        <translation>%1 in aansluiting %2</translation>
    </message>
    <message>
        <source>Join the %1 group, then log in again.</source>
        <extracomment>%1 is a user group of the system, such as dialout</extracomment>
        <translation>Word lid van de groep %1 en log daarna opnieuw in.</translation>
    </message>
    <message>
        <source>%1 is owned by %2 - an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %2 the user who owns it</extracomment>
        <translation>%1 is van %2 - een beheerder moet het gebruik toestaan.</translation>
    </message>
    <message>
        <source>%1: an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>%1: een beheerder moet het gebruik toestaan.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Port %1: no such port - type 1 to %2.</source>
        <extracomment>%1 is the port number, %2 the highest port number</extracomment>
        <translation>Poort %1 bestaat niet - typ 1 tot en met %2.</translation>
    </message>
    <message>
        <source>Port %1 (%2): no such device.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Poort %1 (%2): apparaat niet gevonden.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: no such device.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) is terug, maar ging niet open: apparaat niet gevonden.</translation>
    </message>
    <message>
        <source>Port %1: no such device.</source>
        <translation>Poort %1: apparaat niet gevonden.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: no such device.</source>
        <translation>Poort 1 en 2: apparaat niet gevonden.</translation>
    </message>
    <message>
        <source>Port %1 (%2): permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2): geen toestemming.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) is terug, maar ging niet open: geen toestemming.</translation>
    </message>
    <message>
        <source>Port %1: permission denied.</source>
        <translation>Poort %1: geen toestemming.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: permission denied.</source>
        <translation>Poort 1 en 2: geen toestemming.</translation>
    </message>
    <message>
        <source>Port %1 (%2): in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2): in gebruik door een ander programma.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) is terug, maar ging niet open: in gebruik door een ander programma.</translation>
    </message>
    <message>
        <source>Port %1: in use by another program.</source>
        <translation>Poort %1: in gebruik door een ander programma.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: in use by another program.</source>
        <translation>Poort 1 en 2: in gebruik door een ander programma.</translation>
    </message>
    <message>
        <source>Port %1 (%2): the system console.</source>
        <extracomment>%1 is the port number, %2 the device path. The machine&apos;s console talks on this port.</extracomment>
        <translation>Poort %1 (%2): de systeemconsole.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: the system console.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) is terug, maar ging niet open: de systeemconsole.</translation>
    </message>
    <message>
        <source>Port %1: the system console.</source>
        <translation>Poort %1: de systeemconsole.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: the system console.</source>
        <translation>Poort 1 en 2: de systeemconsole.</translation>
    </message>
    <message>
        <source>Port %1 is back but did not open: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 is terug, maar ging niet open: achter %2 zit geen seriële poort.</translation>
    </message>
    <message>
        <source>Port %1: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path; a device node with no serial chip behind it</extracomment>
        <translation>Poort %1: achter %2 zit geen seriële poort.</translation>
    </message>
    <message>
        <source>Port %1 (%2): cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Poort %1 (%2): openen lukt niet (%3).</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Poort %1 (%2) is terug, maar ging niet open: openen lukt niet (%3).</translation>
    </message>
    <message>
        <source>Port %1: cannot open (%2).</source>
        <extracomment>%1 is the port number, %2 the system&apos;s own message</extracomment>
        <translation>Poort %1: openen lukt niet (%2).</translation>
    </message>
    <message>
        <source>Ports 1 and 2: cannot open (%1).</source>
        <extracomment>%1 is the system&apos;s own message</extracomment>
        <translation>Poort 1 en 2: openen lukt niet (%1).</translation>
    </message>
    <message>
        <source>Close it or pick another port.</source>
        <translation>Sluit dat programma of kies een andere poort.</translation>
    </message>
    <message>
        <source>Pick another port.</source>
        <translation>Kies een andere poort.</translation>
    </message>
    <message>
        <source>Type a port number from 1 to %1.</source>
        <extracomment>%1 is the highest port number</extracomment>
        <translation>Typ een poortnummer van 1 tot en met %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number - type 1 to %2.</source>
        <extracomment>%1 is what the operator typed in the COM-port field, %2 the highest port number</extracomment>
        <translation>“%1” is geen poortnummer - typ 1 tot en met %2.</translation>
    </message>
    <message>
        <source>Found %1 - pick it under COM-port.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; COM-port is the field&apos;s caption</extracomment>
        <translation>%1 gevonden - kies het onder COM-poort.</translation>
    </message>
    <message>
        <source>Found %1, %2 - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>%1, %2 gevonden - kies er een onder COM-poort.</translation>
    </message>
    <message>
        <source>No permission for %1.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Geen toestemming voor %1.</translation>
    </message>
    <message>
        <source>No permission for %1, %2.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Geen toestemming voor %1, %2.</translation>
    </message>
    <message>
        <source>No other serial device - plug in the adapter.</source>
        <translation>Geen ander serieel apparaat - sluit de adapter aan.</translation>
    </message>
    <message>
        <source>No serial device found - plug in the adapter or type a port number under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>Geen serieel apparaat gevonden - sluit de adapter aan of typ een poortnummer onder COM-poort.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) is nu een ander apparaat - kies de poort om dat te gebruiken.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2 - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>Poort %1 is nu een ander apparaat: %2 - kies de poort om dat te gebruiken.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device, no permission.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) is nu een ander apparaat, geen toestemming.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2, no permission.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>Poort %1 is nu een ander apparaat: %2, geen toestemming.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Poort %1 (%2) open.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open, start-up command sent.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) open, startcommando verstuurd.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open - the adapter used last time.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) open - de adapter van de vorige keer.</translation>
    </message>
    <message>
        <source>The adapter used last time is %1 - pick it to use it.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>De adapter van de vorige keer is %1 - kies die om hem weer te gebruiken.</translation>
    </message>
    <message>
        <source>Port %1 (%2) unplugged - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) losgekoppeld - gaat weer open na opnieuw aansluiten.</translation>
    </message>
    <message>
        <source>Port %1 (%2) closed so that it can be removed safely - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) gesloten om veilig te verwijderen - gaat weer open na opnieuw aansluiten.</translation>
    </message>
    <message>
        <source>Port %1 (%2) plugged in again and open.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Poort %1 (%2) opnieuw aangesloten en open.</translation>
    </message>
    <message>
        <source>Port %1 is back as port %2 (%3) and open.</source>
        <extracomment>%1 is the port number the device had, %2 the one it has now, %3 its device path</extracomment>
        <translation>Poort %1 is terug als poort %2 (%3) en open.</translation>
    </message>
    <message>
        <source>Sending %1 to port %2 ...</source>
        <extracomment>%1 are the scores as the board shows them (&quot;08 15&quot;), %2 the port number</extracomment>
        <translation>%1 wordt naar poort %2 verstuurd ...</translation>
    </message>
    <message>
        <source>Reset from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Op nul zetten door %1: %2 wordt naar poort %3 verstuurd ...</translation>
    </message>
    <message>
        <source>Update from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Bijwerken door %1: %2 wordt naar poort %3 verstuurd ...</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent the start-up command.</source>
        <translation>Op nul zetten wacht - het startcommando wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent the start-up command.</source>
        <translation>Bijwerken wacht - het startcommando wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent %1.</source>
        <extracomment>%1 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Op nul zetten wacht - %1 wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent %1.</source>
        <translation>Bijwerken wacht - %1 wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent the start-up command.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23</extracomment>
        <translation>Op nul zetten door %1 wacht - het startcommando wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent the start-up command.</source>
        <translation>Bijwerken door %1 wacht - het startcommando wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent %2.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Op nul zetten door %1 wacht - %2 wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent %2.</source>
        <translation>Bijwerken door %1 wacht - %2 wordt naar het bord verstuurd.</translation>
    </message>
    <message>
        <source>Board shows %1 - sent to port %2 at %3.</source>
        <extracomment>%1 are the scores (&quot;08 15&quot;), %2 the port number, %3 the time of day</extracomment>
        <translation>Bord toont %1 - om %3 verstuurd naar poort %2.</translation>
    </message>
    <message>
        <source>Reset from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Op nul zetten door %1: bord toont %2 - om %4 verstuurd naar poort %3.</translation>
    </message>
    <message>
        <source>Update from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Bijwerken door %1: bord toont %2 - om %4 verstuurd naar poort %3.</translation>
    </message>
    <message>
        <source>Not on the board yet - press Update scoreboard.</source>
        <extracomment>&quot;Update scoreboard&quot; is the button&apos;s caption</extracomment>
        <translation>Nog niet op het bord - druk op Scorebord bijwerken.</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 was unplugged - the board may show a mix; it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>
            <numerusform>Bijwerken afgebroken na %n van %1 cijfers: poort %2 werd losgekoppeld - het bord toont mogelijk een mix; na opnieuw aansluiten gaat hij weer open, druk dan op Scorebord bijwerken.</numerusform>
            <numerusform>Bijwerken afgebroken na %n van %1 cijfers: poort %2 werd losgekoppeld - het bord toont mogelijk een mix; na opnieuw aansluiten gaat hij weer open, druk dan op Scorebord bijwerken.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 was unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>Niet verstuurd: poort %1 werd losgekoppeld - na opnieuw aansluiten gaat hij weer open, druk dan op Scorebord bijwerken.</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path</extracomment>
        <translation>
            <numerusform>Bijwerken afgebroken na %n van %1 cijfers: poort %2 (%3) werkt niet meer - het bord toont mogelijk een mix; controleer de kabel en druk dan op Scorebord bijwerken.</numerusform>
            <numerusform>Bijwerken afgebroken na %n van %1 cijfers: poort %2 (%3) werkt niet meer - het bord toont mogelijk een mix; controleer de kabel en druk dan op Scorebord bijwerken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path, %4 the system&apos;s own message</extracomment>
        <translation>
            <numerusform>Bijwerken afgebroken na %n van %1 cijfers: poort %2 (%3) werkt niet meer (%4) - het bord toont mogelijk een mix; controleer de kabel en druk dan op Scorebord bijwerken.</numerusform>
            <numerusform>Bijwerken afgebroken na %n van %1 cijfers: poort %2 (%3) werkt niet meer (%4) - het bord toont mogelijk een mix; controleer de kabel en druk dan op Scorebord bijwerken.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Niet verstuurd: poort %1 (%2) werkt niet meer - controleer de kabel en druk dan op Scorebord bijwerken.</translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working (%3) - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Niet verstuurd: poort %1 (%2) werkt niet meer (%3) - controleer de kabel en druk dan op Scorebord bijwerken.</translation>
    </message>
    <message>
        <source>Not sent: port %1 is unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Niet verstuurd: poort %1 is losgekoppeld - na opnieuw aansluiten gaat hij weer open, druk dan op Scorebord bijwerken.</translation>
    </message>
    <message>
        <source>Not sent: no port is open - choose one under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>Niet verstuurd: geen poort open - kies er een onder COM-poort.</translation>
    </message>
    <message>
        <source>Not kept for next time: %1 cannot be written.</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Niet bewaard voor de volgende keer: %1 kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Last match: window showed %1.</source>
        <extracomment>%1 are the scores the window showed (&quot;08 15&quot;)</extracomment>
        <translation>Laatste wedstrijd: venster toonde %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1.</source>
        <extracomment>%1 are the scores the board showed (&quot;08 15&quot;)</extracomment>
        <translation>Laatste wedstrijd: bord toonde %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1, window %2.</source>
        <extracomment>%1 are the scores the board showed, %2 those the window showed</extracomment>
        <translation>Laatste wedstrijd: bord toonde %1, venster %2.</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent</extracomment>
        <translation>Laatste wedstrijd: bord toonde %1 om %2.</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2, window %3.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent, %3 the scores the window showed</extracomment>
        <translation>Laatste wedstrijd: bord toonde %1 om %2, venster %3.</translation>
    </message>
    <message>
        <source>Press Restore to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match&apos;s scores back into the window</extracomment>
        <translation>Klik op Herstellen om die terug te halen.</translation>
    </message>
    <message>
        <source>Press Restore (%1) to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match back; %1 is its shortcut key, such as Ctrl+R</extracomment>
        <translation>Klik op Herstellen (%1) om die terug te halen.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>brings the last match&apos;s scores back into the window</extracomment>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>%1 asked for an update.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 vroeg het scorebord bij te werken.</translation>
    </message>
    <message>
        <source>%1 asked for a reset.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 vroeg de score op nul te zetten.</translation>
    </message>
    <message>
        <source>%1 raised the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 verhoogde de stand links.</translation>
    </message>
    <message>
        <source>%1 lowered the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 verlaagde de stand links.</translation>
    </message>
    <message>
        <source>%1 raised the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 verhoogde de stand rechts.</translation>
    </message>
    <message>
        <source>%1 lowered the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 verlaagde de stand rechts.</translation>
    </message>
    <message>
        <source>%1 restored the last match.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 herstelde de laatste wedstrijd.</translation>
    </message>
    <message numerus="yes">
        <source>Found %1, %2, %n more - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>%1, %2 en nog %n gevonden - kies er een onder COM-poort.</numerusform>
            <numerusform>%1, %2 en nog %n gevonden - kies er een onder COM-poort.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No permission for %1, %2, %n more.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Geen toestemming voor %1, %2 en nog %n.</numerusform>
            <numerusform>Geen toestemming voor %1, %2 en nog %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemSerialLink</name>
    <message>
        <source>the port did not take the bytes</source>
        <extracomment>Said in brackets after &quot;port 3 stopped working&quot;, where the system gave no reason</extracomment>
        <translation>de poort nam de bytes niet aan</translation>
    </message>
</context>
<context>
    <name>Win32SerialLink</name>
    <message>
        <source>system error %1</source>
        <extracomment>Said in brackets after &quot;cannot open&quot; or &quot;stopped working&quot; where Windows has no words for its error code %1</extracomment>
        <translation>systeemfout %1</translation>
    </message>
</context>
<context>
    <name>WindowsSerialPlatform</name>
    <message>
        <source>Port n is COMn (1 to 255); USB adapters get their COM number from Windows (Device Manager, Ports).</source>
        <extracomment>COMn is the system&apos;s name of port n: keep it as it is. Device Manager and Ports as Windows names them</extracomment>
        <translation>Poort n is COMn (1 tot en met 255); USB-adapters krijgen hun COM-nummer van Windows (Apparaatbeheer, Poorten).</translation>
    </message>
</context>
</TS>
