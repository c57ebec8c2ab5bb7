<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Nederlands</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>geluid ontbreekt, daarvoor klinkt niets: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>plaatje ontbreekt, daarvoor wordt niets getekend: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>de stroom is verbroken</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>de geluidsserver wil geen verbinding maken</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>de geluidsserver weigerde de stroom</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>de geluidsbibliotheek start niet</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>de geluidsserver heeft geen uitgang om op te spelen</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>de geluidsserver neemt het geluidsformaat van Tumbletot niet aan</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>de geluidsserver antwoordt niet</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>geluidsuitgang kwijt; we spelen zonder geluid verder tot hij terug is</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>geluidsuitgang kwijt: %1; we spelen zonder geluid verder tot hij terug is</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>het geluid is terug</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>geen geluidsuitgang gevonden; we spelen zonder geluid verder tot hij er is</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; we spelen zonder geluid verder tot het terug is</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>deze compositor houdt zijn eigen sneltoetsen; Tumbletot kan hier niet elke toets vasthouden</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; Tumbletot kan dit bureaublad niet vragen de toetsen aan hem te laten</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>draait al; naar voren gehaald</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>geen browser kon %1 openen</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>de spraakbibliotheek vond geen stemmen</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>geen stem voor deze taal</translation>
    </message>
</context>
<context>
    <name>ParentChord</name>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ctrl</translation>
    </message>
</context>
<context>
    <name>Phrases</name>
    <message>
        <source>black square</source>
        <translation>zwart vierkant</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>zwarte rechthoek</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>zwarte cirkel</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>zwart ovaal</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>zwarte driehoek</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>zwarte ruit</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>blauw vierkant</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>blauwe rechthoek</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>blauwe cirkel</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>blauw ovaal</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>blauwe driehoek</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>blauwe ruit</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>groen vierkant</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>groene rechthoek</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>groene cirkel</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>groen ovaal</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>groene driehoek</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>groene ruit</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>oranje vierkant</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>oranje rechthoek</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>oranje cirkel</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>oranje ovaal</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>oranje driehoek</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>oranje ruit</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>roze vierkant</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>roze rechthoek</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>roze cirkel</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>roze ovaal</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>roze driehoek</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>roze ruit</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>rood vierkant</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>rode rechthoek</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>rode cirkel</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>rood ovaal</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>rode driehoek</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>rode ruit</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>wit vierkant</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>witte rechthoek</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>witte cirkel</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>wit ovaal</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>witte driehoek</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>witte ruit</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>geel vierkant</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>gele rechthoek</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>gele cirkel</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>geel ovaal</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>gele driehoek</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>gele ruit</translation>
    </message>
    <message>
        <source>black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>oranje</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>roze</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>white</source>
        <translation>wit</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>lichtgroen</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>lichtroze</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>lichtgeel</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>Er is geen webbrowser ingesteld op deze computer, dus de pagina kan niet worden getoond. Het is dit bestand:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 voor voorkeuren, %2 om af te sluiten</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Tumbletot-voorkeuren</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Elk spel anders</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Wisselt bij elke klik</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Speelwijze</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>Baby maakt vormen</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Alleen achtergrond wisselt</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot speelt zelf als Baby niet speelt na:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Vanzelf spelen</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Vormen verschijnen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>In het midden</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Beginnersstand</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Alleen rood, wit en zwart</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Eenvoudig (piepjes en tjilpjes)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Rijk (akkoorden en signalen)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Herkenbaar (echte geluiden)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>speelt niet</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuut</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Zeggen wat er verschijnt</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: vormen en geluiden voor kleine handjes</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Elk geluid en elk plaatje komt uit onze eigen code</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Vrije software: deel het met andere ouders</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Dit bureaublad moet zijn toetsen houden: wijzig dat in Instellingen, Apps, Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Dit bureaublad houdt sommige toetsen voor zich: blijf dicht bij je kind.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>Op elk moment:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: voorkeuren</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: afsluiten</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Druk op een toets om te beginnen</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>door</translation>
    </message>
</context>
</TS>
