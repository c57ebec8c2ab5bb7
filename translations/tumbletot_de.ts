<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>Klang fehlt, dafür ist nichts zu hören: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>Bild fehlt, dafür wird nichts gezeichnet: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>die Verbindung zum Klang wurde getrennt</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>der Sound-Server lässt keine Verbindung zu</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>der Sound-Server hat die Wiedergabe abgelehnt</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>die Klangbibliothek startet nicht</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>der Sound-Server hat keinen Ausgang zum Abspielen</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>der Sound-Server nimmt das Klangformat von Tumbletot nicht an</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>der Sound-Server antwortet nicht</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>Klangausgabe verloren; es geht ohne Ton weiter, bis sie wieder da ist</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>Klangausgabe verloren: %1; es geht ohne Ton weiter, bis sie wieder da ist</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>der Ton ist wieder da</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>keine Klangausgabe gefunden; es geht ohne Ton weiter, bis sie da ist</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; es geht ohne Ton weiter, bis er wieder da ist</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>dieser Compositor behält seine eigenen Tastenkürzel; Tumbletot kann hier nicht jede Taste halten</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; Tumbletot kann diesen Desktop nicht bitten, die Tasten zu halten</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>läuft schon; nach vorn geholt</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>kein Browser konnte %1 öffnen</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>die Sprachbibliothek hat keine Stimmen gefunden</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>keine Stimme für diese Sprache</translation>
    </message>
</context>
<context>
    <name>ParentChord</name>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Strg</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>black square</source>
        <translation>schwarzes Quadrat</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>schwarzes Rechteck</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>schwarzer Kreis</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>schwarzes Oval</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>schwarzes Dreieck</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>schwarze Raute</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blaues Quadrat</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>blaues Rechteck</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>blauer Kreis</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>blaues Oval</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>blaues Dreieck</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>blaue Raute</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>grünes Quadrat</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>grünes Rechteck</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>grüner Kreis</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>grünes Oval</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>grünes Dreieck</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>grüne Raute</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>oranges Quadrat</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>oranges Rechteck</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>oranger Kreis</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>oranges Oval</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>oranges Dreieck</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>orange Raute</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>pinkes Quadrat</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>pinkes Rechteck</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>pinker Kreis</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>pinkes Oval</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>pinkes Dreieck</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>pinke Raute</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>rotes Quadrat</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>rotes Rechteck</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>roter Kreis</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>rotes Oval</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>rotes Dreieck</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>rote Raute</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>weißes Quadrat</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>weißes Rechteck</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>weißer Kreis</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>weißes Oval</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>weißes Dreieck</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>weiße Raute</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>gelbes Quadrat</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>gelbes Rechteck</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>gelber Kreis</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>gelbes Oval</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>gelbes Dreieck</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>gelbe Raute</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>hellgrün</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>hellrosa</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>hellgelb</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>Auf diesem Computer ist kein Webbrowser eingerichtet, deshalb kann die Seite nicht angezeigt werden. Es ist diese Datei:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 für Einstellungen, %2 zum Beenden</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Tumbletot – Einstellungen</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Jedes Spiel anders</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Wechselt bei jedem Klick</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Spielart</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>Baby malt neue Formen</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Nur Hintergrund wechselt</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot spielt allein, wenn Baby so lange nicht spielt:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Von selbst spielen</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Formen erscheinen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>In der Mitte</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Für die Kleinsten</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Nur Rot, Weiß und Schwarz</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Einfach (Zirpen und Piepen)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Reich (Akkorde und Signale)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Vertraut (echte Geräusche)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>spielt nicht</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Sagen, was erscheint</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: Formen und Klänge für kleine Hände</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Jeder Klang und jedes Bild aus unserem eigenen Code</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Freie Software: teil sie mit anderen Eltern</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Dieser Desktop soll seine Tasten behalten: ändere das unter Einstellungen, Apps, Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Dieser Desktop behält einige Tasten für sich: bleib in der Nähe deines Kindes.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>Jederzeit:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: Einstellungen</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: Beenden</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Eine Taste drücken – los geht’s!</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>von</translation>
    </message>
</context>
</TS>
