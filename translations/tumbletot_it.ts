<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Italiano</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>suono mancante, al suo posto non suonerà nulla: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>immagine mancante, al suo posto non verrà disegnato nulla: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>il flusso è stato scollegato</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>il server audio non accetta la connessione</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>il server audio ha rifiutato il flusso</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>la libreria audio non si avvia</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>il server audio non ha nessuna uscita su cui suonare</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>il server audio non accetta il formato audio di Tumbletot</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>il server audio non risponde</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>uscita audio persa; si continua senza suono finché non torna</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>uscita audio persa: %1; si continua senza suono finché non torna</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>il suono è tornato</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>nessuna uscita audio trovata; si continua senza suono finché non torna</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; si continua senza suono finché non torna</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>questo compositor tiene le sue scorciatoie; qui Tumbletot non può trattenere ogni tasto</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; Tumbletot non può chiedere a questo desktop di lasciargli i tasti</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>già aperto; portato in primo piano</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>nessun browser è riuscito ad aprire %1</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>la libreria vocale non ha trovato nessuna voce</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>nessuna voce per questa lingua</translation>
    </message>
</context>
<context>
    <name>ParentChord</name>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
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
        <translation>quadrato nero</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>rettangolo nero</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>cerchio nero</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>ovale nero</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>triangolo nero</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>rombo nero</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>quadrato blu</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>rettangolo blu</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>cerchio blu</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>ovale blu</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>triangolo blu</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>rombo blu</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>quadrato verde</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>rettangolo verde</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>cerchio verde</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>ovale verde</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triangolo verde</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>rombo verde</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>quadrato arancione</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>rettangolo arancione</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>cerchio arancione</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>ovale arancione</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>triangolo arancione</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>rombo arancione</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>quadrato rosa</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>rettangolo rosa</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>cerchio rosa</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>ovale rosa</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>triangolo rosa</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>rombo rosa</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>quadrato rosso</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>rettangolo rosso</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>cerchio rosso</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>ovale rosso</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>triangolo rosso</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>rombo rosso</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>quadrato bianco</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>rettangolo bianco</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>cerchio bianco</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>ovale bianco</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>triangolo bianco</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>rombo bianco</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>quadrato giallo</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>rettangolo giallo</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>cerchio giallo</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>ovale giallo</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>triangolo giallo</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>rombo giallo</translation>
    </message>
    <message>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>arancione</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azzurro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde chiaro</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rosa chiaro</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>giallo chiaro</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>Su questo computer non è configurato alcun browser, quindi la pagina non può essere mostrata. È questo file:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 per le preferenze, %2 per uscire</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Preferenze di Tumbletot</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Colore dello sfondo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Diverso ogni partita</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Cambia a ogni clic</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Modalità di gioco</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>Il bimbo crea forme</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Cambia solo lo sfondo</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot gioca da solo se il bimbo non gioca per:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Gioco automatico</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Le forme appaiono</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Modalità principianti</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Solo rosso, bianco e nero</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Semplice (cinguettii e bip)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Ricco (accordi e segnali)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Familiare (suoni veri)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>non gioca</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 secondo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Dire cosa appare</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: forme e suoni per piccole mani</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Ogni suono e immagine nasce dal nostro codice</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Software libero: condividilo con altri genitori</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>A questo desktop è stato detto di tenere i suoi tasti: cambialo in Impostazioni, Applicazioni, Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Questo desktop tiene per sé alcuni tasti: resta vicino al tuo bambino.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>In ogni momento:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: preferenze</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: esci</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Premi un tasto per iniziare</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>di</translation>
    </message>
</context>
</TS>
