<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The operator&apos;s console for a four-digit LED scoreboard on a serial line (2400 baud, 8N1, DTR on).

At start it opens the adapter last sent to when that was not port 1 or 2 and that very adapter is plugged in; otherwise it tries ports 1 and 2 and opens the first that opens. Every serial device present is listed under &quot;COM-port&quot;.

%1</source>
        <extracomment>The first paragraphs of --help; %1 is the paragraph on this system&apos;s port numbers.</extracomment>
        <translation>La console de l&apos;opérateur pour un tableau d&apos;affichage LED à quatre chiffres sur une liaison série (2400 bauds, 8N1, DTR activé).

Au démarrage, le programme ouvre l&apos;adaptateur du dernier envoi si ce n&apos;était pas le port 1 ou 2 et que ce même adaptateur est branché&#xa0;; sinon, il essaie les ports 1 et 2 et ouvre le premier qui s&apos;ouvre. Tous les périphériques série présents sont listés dans «&#xa0;Port COM&#xa0;».

%1</translation>
    </message>
    <message>
        <source>no serial device found</source>
        <translation>aucun périphérique série trouvé</translation>
    </message>
    <message>
        <source>no display - start it from a desktop session, or see --help</source>
        <translation>aucun écran graphique&#xa0;: lancez le programme depuis une session de bureau, ou consultez --help</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Print one line per serial device: port number, device, description, USB identity, and whether you may open it; then exit. Opens no device.</source>
        <translation>Affiche une ligne par périphérique série&#xa0;: numéro de port, périphérique, description, identité USB et si vous pouvez l&apos;ouvrir&#xa0;; puis quitte. N&apos;ouvre aucun périphérique.</translation>
    </message>
    <message>
        <source>Turn the remote control on (kept on, like its switch in the Remote control window): the pages for phones, OBS and a screen in the hall, and the API for stream decks.</source>
        <translation>Active la télécommande (elle reste active, comme avec sa case dans la fenêtre «&#xa0;Télécommande&#xa0;»)&#xa0;: les pages pour les téléphones, pour OBS et pour un écran de salle, et l&apos;API pour les stream decks.</translation>
    </message>
    <message>
        <source>Speak this language (de, en, es, fr, nl) instead of the system&apos;s; kept as the setting &quot;language&quot; does.</source>
        <extracomment>--lang&apos;s value in --help: a language code such as de.</extracomment>
        <translation>Utilise cette langue (de, en, es, fr, nl) au lieu de celle du système&#xa0;; elle est conservée, comme avec le paramètre «&#xa0;language&#xa0;».</translation>
    </message>
    <message>
        <source>code</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>Try &apos;scoreboard --help&apos;.</source>
        <translation>Essayez «&#xa0;scoreboard --help&#xa0;».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Scoreboard</source>
        <translation>Tableau d&apos;affichage</translation>
    </message>
    <message>
        <source>Tens digit</source>
        <translation>Chiffre des dizaines</translation>
    </message>
    <message>
        <source>Units digit</source>
        <translation>Chiffre des unités</translation>
    </message>
    <message>
        <source>&amp;Update scoreboard</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Reset Score&quot; and &quot;COM-port&quot;</extracomment>
        <translation>&amp;Mettre à jour le tableau</translation>
    </message>
    <message>
        <source>Reset &amp;Score</source>
        <extracomment>&amp; marks the Alt+letter key; it must differ from those of &quot;Update scoreboard&quot; and &quot;COM-port&quot;</extracomment>
        <translation>&amp;Remise à zéro</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <translation>Score gauche&#xa0;: moins</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <translation>Score gauche&#xa0;: plus</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Score droit&#xa0;: moins</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Score droit&#xa0;: plus</translation>
    </message>
    <message>
        <source>&amp;COM-port</source>
        <extracomment>the serial port&apos;s field; &amp; marks the Alt+letter key that reaches it, unlike those of the two buttons</extracomment>
        <translation>&amp;Port COM</translation>
    </message>
    <message>
        <source>Serial port number of the scoreboard</source>
        <translation>Numéro du port série du tableau</translation>
    </message>
    <message>
        <source>Puts the last match&apos;s scores back in the window (%1); nothing is sent</source>
        <extracomment>%1 is its key, such as Ctrl+R</extracomment>
        <translation>Remet les scores du dernier match dans la fenêtre (%1)&#xa0;; rien n&apos;est envoyé</translation>
    </message>
    <message>
        <source>Remote control…</source>
        <extracomment>the window&apos;s context menu; opens the remote control&apos;s window</extracomment>
        <translation>Télécommande…</translation>
    </message>
    <message>
        <source>Right-click for the remote control (%1)</source>
        <extracomment>%1 is its key, such as Ctrl+Shift+R</extracomment>
        <translation>Clic droit pour la télécommande (%1)</translation>
    </message>
    <message>
        <source>Lowers the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F2</extracomment>
        <translation>Baisse de 1 le score gauche dans la fenêtre&#xa0;; «&#xa0;Mettre à jour le tableau&#xa0;» l&apos;envoie (%1)</translation>
    </message>
    <message>
        <source>Raises the left score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F3</extracomment>
        <translation>Augmente de 1 le score gauche dans la fenêtre&#xa0;; «&#xa0;Mettre à jour le tableau&#xa0;» l&apos;envoie (%1)</translation>
    </message>
    <message>
        <source>Sends the four digits to the board (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F9; PgDown</extracomment>
        <translation>Envoie les quatre chiffres au tableau (%1)</translation>
    </message>
    <message>
        <source>Lowers the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F6</extracomment>
        <translation>Baisse de 1 le score droit dans la fenêtre&#xa0;; «&#xa0;Mettre à jour le tableau&#xa0;» l&apos;envoie (%1)</translation>
    </message>
    <message>
        <source>Raises the right score by one in the window; Update scoreboard sends it (%1)</source>
        <extracomment>%1 is the key or keys that press the button, such as F7</extracomment>
        <translation>Augmente de 1 le score droit dans la fenêtre&#xa0;; «&#xa0;Mettre à jour le tableau&#xa0;» l&apos;envoie (%1)</translation>
    </message>
    <message>
        <source>Sets both scores to 0 and sends them to the board (%1, after a question)</source>
        <extracomment>%1 is the key or keys that press the button, such as F12</extracomment>
        <translation>Remet les deux scores à 0 et les envoie au tableau (%1, après confirmation)</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>Remettre les deux scores à 0 et les envoyer au tableau&#xa0;?</translation>
    </message>
    <message>
        <source>Left score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F2</extracomment>
        <translation>Score gauche moins&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F3</extracomment>
        <translation>Score gauche plus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Right score minus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F6</extracomment>
        <translation>Score droit moins&#xa0;: %1</translation>
    </message>
    <message>
        <source>Right score plus: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F7</extracomment>
        <translation>Score droit plus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Update scoreboard: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F9; PgDown</extracomment>
        <translation>Mettre à jour le tableau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reset Score, after a question: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F12</extracomment>
        <translation>Remise à zéro, après confirmation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Restore the last match, while it is offered: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+R</extracomment>
        <translation>Restaurer le dernier match, tant qu&apos;il est proposé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remote control: %1</source>
        <extracomment>a line of the list of keys; %1 is the key, such as Ctrl+Shift+R</extracomment>
        <translation>Télécommande&#xa0;: %1</translation>
    </message>
    <message>
        <source>Alt and a caption&apos;s underlined letter: that button, or the COM-port field</source>
        <extracomment>a line of the list of keys; the underlined letters of the captions</extracomment>
        <translation>Alt et la lettre soulignée d&apos;un libellé&#xa0;: ce bouton, ou le champ «&#xa0;Port COM&#xa0;»</translation>
    </message>
    <message>
        <source>This list: %1</source>
        <extracomment>a line of the list of keys; %1 is the key or keys, such as F1</extracomment>
        <translation>Cette liste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>%1: &quot;%2&quot; is no key this window can use; %1 keeps %3.</source>
        <extracomment>%1 is a setting&apos;s name such as Keys/update, %2 what it holds, %3 the default key(s) such as F9; PgDown</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une touche utilisable dans cette fenêtre&#xa0;; %1 garde %3.</translation>
    </message>
    <message>
        <source>%1: %2 is the key of %3 already; %1 keeps %4.</source>
        <extracomment>%1 and %3 are settings&apos; names such as Keys/update, %2 a key such as F9, %4 the default key(s)</extracomment>
        <translation>%1&#xa0;: %2 est déjà la touche de %3&#xa0;; %1 garde %4.</translation>
    </message>
</context>
<context>
    <name>LinuxSerialPlatform</name>
    <message>
        <source>Port numbers: 1-32 are /dev/ttyS0-31, 33-64 /dev/ttyUSB0-31 (USB adapters), 65-96 /dev/ttyACM0-31.</source>
        <extracomment>The device names and ranges are the system&apos;s own: keep them as they are</extracomment>
        <translation>Numéros de port&#xa0;: 1-32 pour /dev/ttyS0-31, 33-64 pour /dev/ttyUSB0-31 (adaptateurs USB), 65-96 pour /dev/ttyACM0-31.</translation>
    </message>
    <message>
        <source>To use serial ports your user must be in the dialout group.</source>
        <extracomment>dialout is the name of the system&apos;s user group: keep it as it is</extracomment>
        <translation>Pour utiliser les ports série, votre utilisateur doit faire partie du groupe dialout.</translation>
    </message>
</context>
<context>
    <name>Match</name>
    <message>
        <source>Left score %1</source>
        <extracomment>%1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Score gauche %1</translation>
    </message>
    <message>
        <source>Right score %1</source>
        <extracomment>%1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Score droit %1</translation>
    </message>
    <message>
        <source>Left score %1.</source>
        <extracomment>Told to a screen reader; %1 is the left score&apos;s two digits, such as 08</extracomment>
        <translation>Score gauche %1.</translation>
    </message>
    <message>
        <source>Right score %1.</source>
        <extracomment>Told to a screen reader; %1 is the right score&apos;s two digits, such as 08</extracomment>
        <translation>Score droit %1.</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>The settings cannot be saved in %1: these codes and choices will change at the next start.</source>
        <extracomment>%1 is the settings file&apos;s path</extracomment>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1&#xa0;: ces codes et ces choix changeront au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>RemoteLoader</name>
    <message>
        <source>scoreboard: the remote control cannot be loaded: %1</source>
        <extracomment>On standard error; %1 is why, such as &quot;... is of version 1.3.0, this program of 1.4.0&quot;</extracomment>
        <translation>scoreboard&#xa0;: impossible de charger la télécommande&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 does not say its version, this program is of %2</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 the program&apos;s version such as 1.4.0</extracomment>
        <translation>%1 n&apos;indique pas sa version, ce programme est en version %2</translation>
    </message>
    <message>
        <source>%1 is of version %2, this program of %3</source>
        <extracomment>%1 is the remote control module&apos;s file, %2 its version and %3 the program&apos;s, such as 1.4.0</extracomment>
        <translation>%1 est en version %2, ce programme en version %3</translation>
    </message>
</context>
<context>
    <name>RemotePages</name>
    <message>
        <source>Scoreboard remote</source>
        <extracomment>The browser tab&apos;s title of the phone&apos;s remote control page</extracomment>
        <translation>Télécommande du tableau</translation>
    </message>
    <message>
        <source>Scoreboard overlay</source>
        <extracomment>The browser tab&apos;s title of the overlay page for OBS</extracomment>
        <translation>Incrustation du tableau</translation>
    </message>
    <message>
        <source>Scoreboard</source>
        <extracomment>The browser tab&apos;s title of the hall screen page</extracomment>
        <translation>Tableau d&apos;affichage</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Read by a screen reader for the two scores of the overlay and the hall screen</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <extracomment>A banner while the page reaches the scoreboard program</extracomment>
        <translation>Connexion en cours…</translation>
    </message>
    <message>
        <source>Connection lost - reconnecting...</source>
        <translation>Connexion perdue – reconnexion…</translation>
    </message>
    <message>
        <source>This address&apos;s code is not valid: open the control address the scoreboard&apos;s Remote control window shows now.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Le code de cette adresse n&apos;est pas valide&#xa0;: ouvrez l&apos;adresse de contrôle affichée en ce moment dans la fenêtre «&#xa0;Télécommande&#xa0;» du programme.</translation>
    </message>
    <message>
        <source>This address lacks its code: open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Il manque le code dans cette adresse&#xa0;: ouvrez l&apos;adresse de contrôle affichée dans la fenêtre «&#xa0;Télécommande&#xa0;» du programme.</translation>
    </message>
    <message>
        <source>View only: this address shows the score and cannot change it. To change it, open the control address the scoreboard&apos;s Remote control window shows.</source>
        <extracomment>&quot;Remote control&quot; is the scoreboard program&apos;s window of that name</extracomment>
        <translation>Lecture seule&#xa0;: cette adresse affiche le score sans pouvoir le modifier. Pour le modifier, ouvrez l&apos;adresse de contrôle affichée dans la fenêtre «&#xa0;Télécommande&#xa0;» du programme.</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>The heading over the left team&apos;s score and buttons</extracomment>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>The heading over the right team&apos;s score and buttons</extracomment>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Left score</source>
        <translation>Score gauche</translation>
    </message>
    <message>
        <source>Right score</source>
        <translation>Score droit</translation>
    </message>
    <message>
        <source>Left score: minus</source>
        <extracomment>Read by a screen reader for the &quot;-&quot; button under the left score</extracomment>
        <translation>Score gauche&#xa0;: moins</translation>
    </message>
    <message>
        <source>Left score: plus</source>
        <extracomment>Read by a screen reader for the &quot;+&quot; button under the left score</extracomment>
        <translation>Score gauche&#xa0;: plus</translation>
    </message>
    <message>
        <source>Right score: minus</source>
        <translation>Score droit&#xa0;: moins</translation>
    </message>
    <message>
        <source>Right score: plus</source>
        <translation>Score droit&#xa0;: plus</translation>
    </message>
    <message>
        <source>Restore %1</source>
        <extracomment>A button: brings back the last match&apos;s scores; %1 is them, such as &quot;12 08&quot;</extracomment>
        <translation>Restaurer %1</translation>
    </message>
    <message>
        <source>Update scoreboard</source>
        <extracomment>A button: sends the scores to the scoreboard</extracomment>
        <translation>Mettre à jour le tableau</translation>
    </message>
    <message>
        <source>The board shows %1. Put %2 on it?</source>
        <extracomment>Asked after Update scoreboard when the board shows higher scores; %1 is the board&apos;s scores, %2 the ones to send, such as &quot;12 08&quot;</extracomment>
        <translation>Le tableau affiche %1. Afficher %2 à la place&#xa0;?</translation>
    </message>
    <message>
        <source>Put %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the scores to send, such as &quot;00 00&quot;</extracomment>
        <translation>Afficher %1 sur le tableau</translation>
    </message>
    <message>
        <source>Keep %1 on the board</source>
        <extracomment>A button answering &quot;The board shows ... Put ... on it?&quot;; %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>Garder %1 sur le tableau</translation>
    </message>
    <message>
        <source>Reset Score</source>
        <extracomment>A button: sets both scores to 0 and sends them to the scoreboard</extracomment>
        <translation>Remise à zéro</translation>
    </message>
    <message>
        <source>Set both scores to 0 and send them to the board?</source>
        <translation>Remettre les deux scores à 0 et les envoyer au tableau&#xa0;?</translation>
    </message>
    <message>
        <source>Reset to 00 00</source>
        <translation>Remettre à 00 00</translation>
    </message>
    <message>
        <source>Keep the scores</source>
        <translation>Garder les scores</translation>
    </message>
    <message>
        <source>Board shows</source>
        <extracomment>A label; beside it the scores the scoreboard shows</extracomment>
        <translation>Le tableau affiche</translation>
    </message>
    <message>
        <source>not known</source>
        <extracomment>Beside &quot;Board shows&quot;: the program does not know what the board shows</extracomment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>%1 - the window differs from the board</source>
        <extracomment>Beside &quot;Board shows&quot;: %1 is the board&apos;s scores, such as &quot;12 08&quot;</extracomment>
        <translation>%1 – la fenêtre diffère du tableau</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>A label; beside it the serial port the scoreboard is on</extracomment>
        <translation>Port série</translation>
    </message>
    <message>
        <source>none open</source>
        <extracomment>Beside &quot;Port&quot;: no serial port is open</extracomment>
        <translation>aucun ouvert</translation>
    </message>
    <message>
        <source>port %1 open</source>
        <extracomment>Beside &quot;Port&quot;: %1 is the serial port&apos;s number</extracomment>
        <translation>port %1 ouvert</translation>
    </message>
    <message>
        <source>Not reached: is the scoreboard program running?</source>
        <extracomment>A button was pressed, and the phone cannot reach the computer the program runs on</extracomment>
        <translation>Pas de réponse&#xa0;: le programme du tableau est-il lancé&#xa0;?</translation>
    </message>
</context>
<context>
    <name>RemoteServer</name>
    <message>
        <source>Port %1 is in use by another program: pick another port, or end that program.</source>
        <extracomment>%1 is the port number the remote control was to be served at</extracomment>
        <translation>Le port %1 est utilisé par un autre programme&#xa0;: choisissez un autre port ou fermez ce programme.</translation>
    </message>
    <message>
        <source>Cannot serve at %1 port %2: %3.</source>
        <extracomment>%1 is an address of this computer such as 127.0.0.1, %2 the port number, %3 the system&apos;s reason</extracomment>
        <translation>Impossible de rendre les pages disponibles sur %1, port %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>too many connections and files are open</source>
        <translation>trop de connexions et de fichiers sont ouverts</translation>
    </message>
    <message>
        <source>Connections are not taken for a moment: %1. Close other programs or devices if this stays.</source>
        <extracomment>%1 is why, such as &quot;too many connections and files are open&quot; or the system&apos;s reason</extracomment>
        <translation>Les connexions sont refusées pour un moment&#xa0;: %1. Fermez d&apos;autres programmes ou appareils si cela dure.</translation>
    </message>
</context>
<context>
    <name>RemoteWindow</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>%1 (this computer)</source>
        <extracomment>In the list of devices connected now; %1 is this computer&apos;s own address, 127.0.0.1</extracomment>
        <translation>%1 (cet ordinateur)</translation>
    </message>
    <message>
        <source>%1 - disconnected, kept out</source>
        <extracomment>%1 is the device&apos;s address, such as 192.168.1.20</extracomment>
        <translation>%1 – déconnecté, bloqué</translation>
    </message>
    <message>
        <source>%1 - hall screen refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the hall screen is the view-only page for a screen in the hall</extracomment>
        <translation>%1 – écran de salle refusé&#xa0;: son code est périmé, donnez-lui la nouvelle adresse</translation>
    </message>
    <message>
        <source>%1 - remote control refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the remote control is the page that changes the score</extracomment>
        <translation>%1 – télécommande refusée&#xa0;: son code est périmé, donnez-lui la nouvelle adresse</translation>
    </message>
    <message>
        <source>%1 - overlay refused: its code is old - give it the new address</source>
        <extracomment>%1 is the device&apos;s address; the overlay is the view-only page for OBS</extracomment>
        <translation>%1 – incrustation refusée&#xa0;: son code est périmé, donnez-lui la nouvelle adresse</translation>
    </message>
    <message numerus="yes">
        <source>%1 - no code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has shown no code</extracomment>
        <translation>
            <numerusform>%1 – sans code, %n connexion</numerusform>
            <numerusform>%1 – sans code, %n connexions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - control code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that changes the score</extracomment>
        <translation>
            <numerusform>%1 – code de contrôle, %n connexion</numerusform>
            <numerusform>%1 – code de contrôle, %n connexions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - view only, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that only shows the score</extracomment>
        <translation>
            <numerusform>%1 – lecture seule, %n connexion</numerusform>
            <numerusform>%1 – lecture seule, %n connexions</numerusform>
        </translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>&amp;Serve the remote control and the overlay</source>
        <translation>&amp;Activer la télécommande et l&apos;incrustation</translation>
    </message>
    <message>
        <source>&amp;This computer only</source>
        <translation>&amp;Cet ordinateur uniquement</translation>
    </message>
    <message>
        <source>The &amp;local network</source>
        <translation>Le &amp;réseau local</translation>
    </message>
    <message>
        <source>Phones and other computers on this network can open the pages</source>
        <translation>Les téléphones et autres ordinateurs de ce réseau peuvent ouvrir les pages</translation>
    </message>
    <message>
        <source>Who may connect:</source>
        <translation>Qui peut se connecter&#xa0;:</translation>
    </message>
    <message>
        <source>Enter, or leaving the field, applies a new port</source>
        <translation>Appuyez sur Entrée ou quittez le champ pour appliquer un nouveau port</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Address of this computer:</source>
        <translation>A&amp;dresse de cet ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Control: changes the score</source>
        <translation>Contrôle&#xa0;: modifie le score</translation>
    </message>
    <message>
        <source>QR code of the control address</source>
        <translation>Code QR de l&apos;adresse de contrôle</translation>
    </message>
    <message>
        <source>A phone&apos;s camera opens the remote control from this</source>
        <translation>L&apos;appareil photo d&apos;un téléphone ouvre la télécommande avec ce code</translation>
    </message>
    <message>
        <source>Control address</source>
        <translation>Adresse de contrôle</translation>
    </message>
    <message>
        <source>Copy the control address</source>
        <translation>Copier l&apos;adresse de contrôle</translation>
    </message>
    <message>
        <source>&amp;New code</source>
        <translation>&amp;Nouveau code</translation>
    </message>
    <message>
        <source>New control code</source>
        <translation>Nouveau code de contrôle</translation>
    </message>
    <message>
        <source>Devices with the old code can no longer change the score</source>
        <translation>Les appareils avec l&apos;ancien code ne peuvent plus modifier le score</translation>
    </message>
    <message>
        <source>View only: OBS overlay, screen in the hall</source>
        <translation>Lecture seule&#xa0;: incrustation OBS, écran de salle</translation>
    </message>
    <message>
        <source>QR code of the hall screen address</source>
        <translation>Code QR de l&apos;adresse de l&apos;écran de salle</translation>
    </message>
    <message>
        <source>A tablet or a smart TV&apos;s browser opens the hall screen from this</source>
        <translation>Le navigateur d&apos;une tablette ou d&apos;une TV connectée ouvre l&apos;écran de salle avec ce code</translation>
    </message>
    <message>
        <source>Overlay address, for OBS</source>
        <translation>Adresse de l&apos;incrustation, pour OBS</translation>
    </message>
    <message>
        <source>Hall screen address</source>
        <translation>Adresse de l&apos;écran de salle</translation>
    </message>
    <message>
        <source>Copy the overlay address</source>
        <translation>Copier l&apos;adresse de l&apos;incrustation</translation>
    </message>
    <message>
        <source>N&amp;ew code</source>
        <translation>Nouv&amp;eau code</translation>
    </message>
    <message>
        <source>New view code</source>
        <translation>Nouveau code de lecture</translation>
    </message>
    <message>
        <source>Overlays and screens with the old code stop showing the score</source>
        <translation>Les incrustations et les écrans avec l&apos;ancien code n&apos;affichent plus le score</translation>
    </message>
    <message>
        <source>A phone needs &quot;The local network&quot;.</source>
        <extracomment>&quot;The local network&quot; is the choice of that name under &quot;Who may connect:&quot;</extracomment>
        <translation>Pour un téléphone, choisissez «&#xa0;Le réseau local&#xa0;».</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Connectés en ce moment</translation>
    </message>
    <message>
        <source>Off: nothing is served.</source>
        <translation>Désactivé&#xa0;: aucune page n&apos;est disponible.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer and the local network.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Pages disponibles sur le port %1 pour cet ordinateur et le réseau local.</translation>
    </message>
    <message>
        <source>Serving at port %1 to this computer only.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Pages disponibles sur le port %1 pour cet ordinateur uniquement.</translation>
    </message>
    <message>
        <source>Not serving.</source>
        <translation>Pages non disponibles.</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>In the list of devices connected now: none</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Let in</source>
        <translation>Débloquer</translation>
    </message>
    <message>
        <source>Let in %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>Débloquer %1</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Disconnect %1</source>
        <extracomment>What a screen reader says of the button; %1 is the device&apos;s address</extracomment>
        <translation>Déconnecter %1</translation>
    </message>
    <message>
        <source>Port &quot;%1&quot;: pick a number from %2 to 65535.</source>
        <extracomment>%1 is what was typed in the port field, %2 the lowest port allowed</extracomment>
        <translation>Port «&#xa0;%1&#xa0;»&#xa0;: choisissez un nombre de %2 à 65535.</translation>
    </message>
</context>
<context>
    <name>RestoreLink</name>
    <message>
        <source>Restore the last match</source>
        <extracomment>what a screen reader calls the link under the status line</extracomment>
        <translation>Restaurer le dernier match</translation>
    </message>
</context>
<context>
    <name>SerialDevices</name>
    <message>
        <source>%1, serial %2</source>
        <extracomment>%1 is what the device is, such as &quot;FTDI FT232R USB UART&quot;; %2 its serial number</extracomment>
        <translation>%1, n° de série %2</translation>
    </message>
    <message>
        <source>%1 in socket %2</source>
        <extracomment>%1 is what the device is; %2 the USB socket it is plugged into, such as 1-1.2</extracomment>
        <translation>%1 sur la prise %2</translation>
    </message>
    <message>
        <source>Join the %1 group, then log in again.</source>
        <extracomment>%1 is a user group of the system, such as dialout</extracomment>
        <translation>Ajoutez-vous au groupe %1, puis rouvrez votre session.</translation>
    </message>
    <message>
        <source>%1 is owned by %2 - an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %2 the user who owns it</extracomment>
        <translation>%1 appartient à %2 – un administrateur doit vous autoriser à l&apos;utiliser.</translation>
    </message>
    <message>
        <source>%1: an administrator must allow you to use it.</source>
        <extracomment>%1 is the device, such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>%1&#xa0;: un administrateur doit vous autoriser à l&apos;utiliser.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Port %1: no such port - type 1 to %2.</source>
        <extracomment>%1 is the port number, %2 the highest port number</extracomment>
        <translation>Port %1&#xa0;: ce port n&apos;existe pas – tapez de 1 à %2.</translation>
    </message>
    <message>
        <source>Port %1 (%2): no such device.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Port %1 (%2)&#xa0;: périphérique introuvable.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: no such device.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) rebranché mais non ouvert&#xa0;: périphérique introuvable.</translation>
    </message>
    <message>
        <source>Port %1: no such device.</source>
        <translation>Port %1&#xa0;: périphérique introuvable.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: no such device.</source>
        <translation>Ports 1 et 2&#xa0;: périphérique introuvable.</translation>
    </message>
    <message>
        <source>Port %1 (%2): permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2)&#xa0;: autorisation refusée.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: permission denied.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) rebranché mais non ouvert&#xa0;: autorisation refusée.</translation>
    </message>
    <message>
        <source>Port %1: permission denied.</source>
        <translation>Port %1&#xa0;: autorisation refusée.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: permission denied.</source>
        <translation>Ports 1 et 2&#xa0;: autorisation refusée.</translation>
    </message>
    <message>
        <source>Port %1 (%2): in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2)&#xa0;: utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: in use by another program.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) rebranché mais non ouvert&#xa0;: utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Port %1: in use by another program.</source>
        <translation>Port %1&#xa0;: utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: in use by another program.</source>
        <translation>Ports 1 et 2&#xa0;: utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>Port %1 (%2): the system console.</source>
        <extracomment>%1 is the port number, %2 the device path. The machine&apos;s console talks on this port.</extracomment>
        <translation>Port %1 (%2)&#xa0;: console du système.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: the system console.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) rebranché mais non ouvert&#xa0;: console du système.</translation>
    </message>
    <message>
        <source>Port %1: the system console.</source>
        <translation>Port %1&#xa0;: console du système.</translation>
    </message>
    <message>
        <source>Ports 1 and 2: the system console.</source>
        <translation>Ports 1 et 2&#xa0;: console du système.</translation>
    </message>
    <message>
        <source>Port %1 is back but did not open: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 rebranché mais non ouvert&#xa0;: aucun port série derrière %2.</translation>
    </message>
    <message>
        <source>Port %1: no serial port behind %2.</source>
        <extracomment>%1 is the port number, %2 the device path; a device node with no serial chip behind it</extracomment>
        <translation>Port %1&#xa0;: aucun port série derrière %2.</translation>
    </message>
    <message>
        <source>Port %1 (%2): cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Port %1 (%2)&#xa0;: ouverture impossible (%3).</translation>
    </message>
    <message>
        <source>Port %1 (%2) is back but did not open: cannot open (%3).</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Port %1 (%2) rebranché mais non ouvert&#xa0;: ouverture impossible (%3).</translation>
    </message>
    <message>
        <source>Port %1: cannot open (%2).</source>
        <extracomment>%1 is the port number, %2 the system&apos;s own message</extracomment>
        <translation>Port %1&#xa0;: ouverture impossible (%2).</translation>
    </message>
    <message>
        <source>Ports 1 and 2: cannot open (%1).</source>
        <extracomment>%1 is the system&apos;s own message</extracomment>
        <translation>Ports 1 et 2&#xa0;: ouverture impossible (%1).</translation>
    </message>
    <message>
        <source>Close it or pick another port.</source>
        <translation>Fermez ce programme ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>Pick another port.</source>
        <translation>Choisissez un autre port.</translation>
    </message>
    <message>
        <source>Type a port number from 1 to %1.</source>
        <extracomment>%1 is the highest port number</extracomment>
        <translation>Tapez un numéro de port de 1 à %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a port number - type 1 to %2.</source>
        <extracomment>%1 is what the operator typed in the COM-port field, %2 the highest port number</extracomment>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un numéro de port – tapez de 1 à %2.</translation>
    </message>
    <message>
        <source>Found %1 - pick it under COM-port.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; COM-port is the field&apos;s caption</extracomment>
        <translation>Trouvé&#xa0;: %1 – choisissez-le dans «&#xa0;Port COM&#xa0;».</translation>
    </message>
    <message>
        <source>Found %1, %2 - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Trouvés&#xa0;: %1, %2 – choisissez-en un dans «&#xa0;Port COM&#xa0;».</translation>
    </message>
    <message>
        <source>No permission for %1.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Pas d&apos;autorisation pour %1.</translation>
    </message>
    <message>
        <source>No permission for %1, %2.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>Pas d&apos;autorisation pour %1, %2.</translation>
    </message>
    <message>
        <source>No other serial device - plug in the adapter.</source>
        <translation>Aucun autre périphérique série – branchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>No serial device found - plug in the adapter or type a port number under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>Aucun périphérique série trouvé – branchez l&apos;adaptateur ou tapez un numéro de port dans «&#xa0;Port COM&#xa0;».</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2)&#xa0;: c&apos;est maintenant un autre périphérique – choisissez-le pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2 - pick it to use it.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>Port %1&#xa0;: c&apos;est maintenant un autre périphérique, %2 – choisissez-le pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>Port %1 (%2) is now another device, no permission.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2)&#xa0;: c&apos;est maintenant un autre périphérique, sans autorisation.</translation>
    </message>
    <message>
        <source>Port %1 is now another device: %2, no permission.</source>
        <extracomment>%1 is the port number, %2 what the device is, such as &quot;FTDI FT232R USB UART&quot;</extracomment>
        <translation>Port %1&#xa0;: c&apos;est maintenant un autre périphérique, %2, sans autorisation.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open.</source>
        <extracomment>%1 is the port number, %2 the device path such as /dev/ttyUSB0 or COM3</extracomment>
        <translation>Port %1 (%2) ouvert.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open, start-up command sent.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) ouvert, commande de démarrage envoyée.</translation>
    </message>
    <message>
        <source>Port %1 (%2) open - the adapter used last time.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) ouvert – l&apos;adaptateur utilisé la dernière fois.</translation>
    </message>
    <message>
        <source>The adapter used last time is %1 - pick it to use it.</source>
        <extracomment>%1 is a device such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;</extracomment>
        <translation>L&apos;adaptateur utilisé la dernière fois est %1 – choisissez-le pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>Port %1 (%2) unplugged - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) débranché – il se rouvrira une fois rebranché.</translation>
    </message>
    <message>
        <source>Port %1 (%2) closed so that it can be removed safely - it opens again when plugged back in.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) fermé pour pouvoir le retirer sans risque – il se rouvrira une fois rebranché.</translation>
    </message>
    <message>
        <source>Port %1 (%2) plugged in again and open.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Port %1 (%2) rebranché et ouvert.</translation>
    </message>
    <message>
        <source>Port %1 is back as port %2 (%3) and open.</source>
        <extracomment>%1 is the port number the device had, %2 the one it has now, %3 its device path</extracomment>
        <translation>Port %1 revenu en tant que port %2 (%3) et ouvert.</translation>
    </message>
    <message>
        <source>Sending %1 to port %2 ...</source>
        <extracomment>%1 are the scores as the board shows them (&quot;08 15&quot;), %2 the port number</extracomment>
        <translation>Envoi de %1 au port %2…</translation>
    </message>
    <message>
        <source>Reset from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Remise à zéro depuis %1&#xa0;: envoi de %2 au port %3…</translation>
    </message>
    <message>
        <source>Update from %1: Sending %2 to port %3 ...</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 the scores, %3 the port number</extracomment>
        <translation>Mise à jour depuis %1&#xa0;: envoi de %2 au port %3…</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent the start-up command.</source>
        <translation>Remise à zéro en attente – envoi de la commande de démarrage au tableau en cours.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent the start-up command.</source>
        <translation>Mise à jour en attente – envoi de la commande de démarrage au tableau en cours.</translation>
    </message>
    <message>
        <source>Reset waiting - the board is being sent %1.</source>
        <extracomment>%1 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Remise à zéro en attente – envoi de %1 au tableau en cours.</translation>
    </message>
    <message>
        <source>Update waiting - the board is being sent %1.</source>
        <translation>Mise à jour en attente – envoi de %1 au tableau en cours.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent the start-up command.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23</extracomment>
        <translation>Remise à zéro depuis %1 en attente – envoi de la commande de démarrage au tableau en cours.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent the start-up command.</source>
        <translation>Mise à jour depuis %1 en attente – envoi de la commande de démarrage au tableau en cours.</translation>
    </message>
    <message>
        <source>Reset from %1 waiting - the board is being sent %2.</source>
        <extracomment>%1 is the remote device that asked, such as 192.168.1.23; %2 are the scores being sent (&quot;08 15&quot;)</extracomment>
        <translation>Remise à zéro depuis %1 en attente – envoi de %2 au tableau en cours.</translation>
    </message>
    <message>
        <source>Update from %1 waiting - the board is being sent %2.</source>
        <translation>Mise à jour depuis %1 en attente – envoi de %2 au tableau en cours.</translation>
    </message>
    <message>
        <source>Board shows %1 - sent to port %2 at %3.</source>
        <extracomment>%1 are the scores (&quot;08 15&quot;), %2 the port number, %3 the time of day</extracomment>
        <translation>Le tableau affiche %1 – envoyé au port %2 à %3.</translation>
    </message>
    <message>
        <source>Reset from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Remise à zéro depuis %1&#xa0;: le tableau affiche %2 – envoyé au port %3 à %4.</translation>
    </message>
    <message>
        <source>Update from %1: Board shows %2 - sent to port %3 at %4.</source>
        <extracomment>%1 is the remote device that asked; %2 the scores (&quot;08 15&quot;), %3 the port number, %4 the time of day</extracomment>
        <translation>Mise à jour depuis %1&#xa0;: le tableau affiche %2 – envoyé au port %3 à %4.</translation>
    </message>
    <message>
        <source>Not on the board yet - press Update scoreboard.</source>
        <extracomment>&quot;Update scoreboard&quot; is the button&apos;s caption</extracomment>
        <translation>Pas encore sur le tableau – appuyez sur «&#xa0;Mettre à jour le tableau&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 was unplugged - the board may show a mix; it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>
            <numerusform>Mise à jour interrompue après %n chiffre sur %1&#xa0;: le port %2 a été débranché – le tableau peut afficher un mélange&#xa0;; il se rouvrira une fois rebranché, appuyez alors sur «&#xa0;Mettre à jour le tableau&#xa0;».</numerusform>
            <numerusform>Mise à jour interrompue après %n chiffres sur %1&#xa0;: le port %2 a été débranché – le tableau peut afficher un mélange&#xa0;; il se rouvrira une fois rebranché, appuyez alors sur «&#xa0;Mettre à jour le tableau&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 was unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>Non envoyé&#xa0;: le port %1 a été débranché – il se rouvrira une fois rebranché, appuyez alors sur «&#xa0;Mettre à jour le tableau&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path</extracomment>
        <translation>
            <numerusform>Mise à jour interrompue après %n chiffre sur %1&#xa0;: le port %2 (%3) a cessé de fonctionner – le tableau peut afficher un mélange&#xa0;; vérifiez le câble, puis appuyez sur «&#xa0;Mettre à jour le tableau&#xa0;».</numerusform>
            <numerusform>Mise à jour interrompue après %n chiffres sur %1&#xa0;: le port %2 (%3) a cessé de fonctionner – le tableau peut afficher un mélange&#xa0;; vérifiez le câble, puis appuyez sur «&#xa0;Mettre à jour le tableau&#xa0;».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path, %4 the system&apos;s own message</extracomment>
        <translation>
            <numerusform>Mise à jour interrompue après %n chiffre sur %1&#xa0;: le port %2 (%3) a cessé de fonctionner (%4) – le tableau peut afficher un mélange&#xa0;; vérifiez le câble, puis appuyez sur «&#xa0;Mettre à jour le tableau&#xa0;».</numerusform>
            <numerusform>Mise à jour interrompue après %n chiffres sur %1&#xa0;: le port %2 (%3) a cessé de fonctionner (%4) – le tableau peut afficher un mélange&#xa0;; vérifiez le câble, puis appuyez sur «&#xa0;Mettre à jour le tableau&#xa0;».</numerusform>
        </translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path</extracomment>
        <translation>Non envoyé&#xa0;: le port %1 (%2) a cessé de fonctionner – vérifiez le câble, puis appuyez sur «&#xa0;Mettre à jour le tableau&#xa0;».</translation>
    </message>
    <message>
        <source>Not sent: port %1 (%2) stopped working (%3) - check the cable, then press Update scoreboard.</source>
        <extracomment>%1 is the port number, %2 the device path, %3 the system&apos;s own message</extracomment>
        <translation>Non envoyé&#xa0;: le port %1 (%2) a cessé de fonctionner (%3) – vérifiez le câble, puis appuyez sur «&#xa0;Mettre à jour le tableau&#xa0;».</translation>
    </message>
    <message>
        <source>Not sent: port %1 is unplugged - it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%1 is the port number</extracomment>
        <translation>Non envoyé&#xa0;: le port %1 est débranché – il se rouvrira une fois rebranché, appuyez alors sur «&#xa0;Mettre à jour le tableau&#xa0;».</translation>
    </message>
    <message>
        <source>Not sent: no port is open - choose one under COM-port.</source>
        <extracomment>COM-port is the field&apos;s caption</extracomment>
        <translation>Non envoyé&#xa0;: aucun port ouvert – choisissez-en un dans «&#xa0;Port COM&#xa0;».</translation>
    </message>
    <message>
        <source>Not kept for next time: %1 cannot be written.</source>
        <extracomment>%1 is the settings file</extracomment>
        <translation>Non conservé pour la prochaine fois&#xa0;: impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Last match: window showed %1.</source>
        <extracomment>%1 are the scores the window showed (&quot;08 15&quot;)</extracomment>
        <translation>Dernier match&#xa0;: la fenêtre affichait %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1.</source>
        <extracomment>%1 are the scores the board showed (&quot;08 15&quot;)</extracomment>
        <translation>Dernier match&#xa0;: le tableau affichait %1.</translation>
    </message>
    <message>
        <source>Last match: board showed %1, window %2.</source>
        <extracomment>%1 are the scores the board showed, %2 those the window showed</extracomment>
        <translation>Dernier match&#xa0;: le tableau affichait %1, la fenêtre %2.</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent</extracomment>
        <translation>Dernier match&#xa0;: le tableau affichait %1 à %2.</translation>
    </message>
    <message>
        <source>Last match: board showed %1 at %2, window %3.</source>
        <extracomment>%1 are the scores the board showed, %2 when they were sent, %3 the scores the window showed</extracomment>
        <translation>Dernier match&#xa0;: le tableau affichait %1 à %2, la fenêtre %3.</translation>
    </message>
    <message>
        <source>Press Restore to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match&apos;s scores back into the window</extracomment>
        <translation>Appuyez sur «&#xa0;Restaurer&#xa0;» pour le rétablir.</translation>
    </message>
    <message>
        <source>Press Restore (%1) to bring it back.</source>
        <extracomment>Restore is the caption of what brings the last match back; %1 is its shortcut key, such as Ctrl+R</extracomment>
        <translation>Appuyez sur «&#xa0;Restaurer&#xa0;» (%1) pour le rétablir.</translation>
    </message>
    <message>
        <source>Restore</source>
        <extracomment>brings the last match&apos;s scores back into the window</extracomment>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>%1 asked for an update.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 a demandé une mise à jour.</translation>
    </message>
    <message>
        <source>%1 asked for a reset.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 a demandé une remise à zéro.</translation>
    </message>
    <message>
        <source>%1 raised the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 a augmenté le score gauche.</translation>
    </message>
    <message>
        <source>%1 lowered the left score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 a baissé le score gauche.</translation>
    </message>
    <message>
        <source>%1 raised the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 a augmenté le score droit.</translation>
    </message>
    <message>
        <source>%1 lowered the right score.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 a baissé le score droit.</translation>
    </message>
    <message>
        <source>%1 restored the last match.</source>
        <extracomment>%1 is the remote device, such as 192.168.1.23</extracomment>
        <translation>%1 a restauré le dernier match.</translation>
    </message>
    <message numerus="yes">
        <source>Found %1, %2, %n more - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Trouvés&#xa0;: %1, %2 et %n autre – choisissez-en un dans «&#xa0;Port COM&#xa0;».</numerusform>
            <numerusform>Trouvés&#xa0;: %1, %2 et %n autres – choisissez-en un dans «&#xa0;Port COM&#xa0;».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No permission for %1, %2, %n more.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Pas d&apos;autorisation pour %1, %2 et %n autre.</numerusform>
            <numerusform>Pas d&apos;autorisation pour %1, %2 et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemSerialLink</name>
    <message>
        <source>the port did not take the bytes</source>
        <extracomment>Said in brackets after &quot;port 3 stopped working&quot;, where the system gave no reason</extracomment>
        <translation>le port n&apos;a pas accepté les octets</translation>
    </message>
</context>
<context>
    <name>Win32SerialLink</name>
    <message>
        <source>system error %1</source>
        <extracomment>Said in brackets after &quot;cannot open&quot; or &quot;stopped working&quot; where Windows has no words for its error code %1</extracomment>
        <translation>erreur système %1</translation>
    </message>
</context>
<context>
    <name>WindowsSerialPlatform</name>
    <message>
        <source>Port n is COMn (1 to 255); USB adapters get their COM number from Windows (Device Manager, Ports).</source>
        <extracomment>COMn is the system&apos;s name of port n: keep it as it is. Device Manager and Ports as Windows names them</extracomment>
        <translation>Le port n est COMn (1 à 255)&#xa0;; les adaptateurs USB reçoivent leur numéro COM de Windows (Gestionnaire de périphériques, Ports).</translation>
    </message>
</context>
</TS>
