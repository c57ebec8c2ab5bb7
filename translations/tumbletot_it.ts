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
