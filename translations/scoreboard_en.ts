<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>RemoteWindow</name>
    <message numerus="yes">
        <source>%1 - no code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has shown no code</extracomment>
        <translation>
            <numerusform>%1 - no code, %n connection</numerusform>
            <numerusform>%1 - no code, %n connections</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - control code, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that changes the score</extracomment>
        <translation>
            <numerusform>%1 - control code, %n connection</numerusform>
            <numerusform>%1 - control code, %n connections</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - view only, %n connection(s)</source>
        <extracomment>%1 is the device&apos;s address; it has the code that only shows the score</extracomment>
        <translation>
            <numerusform>%1 - view only, %n connection</numerusform>
            <numerusform>%1 - view only, %n connections</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 was unplugged - the board may show a mix; it is reopened when plugged back in, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number. &quot;Update scoreboard&quot; is the button&apos;s caption.</extracomment>
        <translation>
            <numerusform>Update cut off after %n of %1 digits: port %2 was unplugged - the board may show a mix; it is reopened when plugged back in, then press Update scoreboard.</numerusform>
            <numerusform>Update cut off after %n of %1 digits: port %2 was unplugged - the board may show a mix; it is reopened when plugged back in, then press Update scoreboard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path</extracomment>
        <translation>
            <numerusform>Update cut off after %n of %1 digits: port %2 (%3) stopped working - the board may show a mix; check the cable, then press Update scoreboard.</numerusform>
            <numerusform>Update cut off after %n of %1 digits: port %2 (%3) stopped working - the board may show a mix; check the cable, then press Update scoreboard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - the board may show a mix; check the cable, then press Update scoreboard.</source>
        <extracomment>%n digits of %1 went out; %2 is the port number, %3 the device path, %4 the system&apos;s own message</extracomment>
        <translation>
            <numerusform>Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - the board may show a mix; check the cable, then press Update scoreboard.</numerusform>
            <numerusform>Update cut off after %n of %1 digits: port %2 (%3) stopped working (%4) - the board may show a mix; check the cable, then press Update scoreboard.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Found %1, %2, %n more - pick one under COM-port.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>Found %1, %2, %n more - pick one under COM-port.</numerusform>
            <numerusform>Found %1, %2, %n more - pick one under COM-port.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No permission for %1, %2, %n more.</source>
        <extracomment>%1 and %2 are devices such as &quot;33 FTDI FT232R USB UART (ttyUSB0)&quot;; %n more are in the list</extracomment>
        <translation>
            <numerusform>No permission for %1, %2, %n more.</numerusform>
            <numerusform>No permission for %1, %2, %n more.</numerusform>
        </translation>
    </message>
</context>
</TS>
