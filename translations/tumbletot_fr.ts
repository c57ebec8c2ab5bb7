<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>son manquant, rien ne sera joué à sa place : %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>image manquante, rien ne sera dessiné à sa place : %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>le flux a été coupé</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>le serveur de son refuse la connexion</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>le serveur de son a refusé le flux</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>la bibliothèque de son ne démarre pas</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>le serveur de son n&apos;a aucune sortie où jouer</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>le serveur de son n&apos;accepte pas le format de son de Tumbletot</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>le serveur de son ne répond pas</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>sortie audio perdue ; on continue sans son jusqu&apos;à son retour</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>sortie audio perdue : %1 ; on continue sans son jusqu&apos;à son retour</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>le son est revenu</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>aucune sortie audio trouvée ; on continue sans son jusqu&apos;à son retour</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1 ; on continue sans son jusqu&apos;à son retour</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>ce compositeur garde ses propres raccourcis ; Tumbletot ne peut pas retenir toutes les touches ici</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1 ; Tumbletot ne peut pas demander à ce bureau de lui laisser les touches</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>déjà lancé ; ramené au premier plan</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>aucun navigateur n&apos;a pu ouvrir %1</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>la bibliothèque vocale n&apos;a trouvé aucune voix</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>aucune voix pour cette langue</translation>
    </message>
</context>
<context>
    <name>ParentChord</name>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
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
        <translation>carré noir</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>rectangle noir</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>cercle noir</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>ovale noir</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>triangle noir</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>losange noir</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>carré bleu</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>rectangle bleu</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>cercle bleu</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>ovale bleu</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>triangle bleu</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>losange bleu</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>carré vert</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>rectangle vert</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>cercle vert</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>ovale vert</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triangle vert</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>losange vert</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>carré orange</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>rectangle orange</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>cercle orange</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>ovale orange</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>triangle orange</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>losange orange</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>carré rose</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>rectangle rose</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>cercle rose</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>ovale rose</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>triangle rose</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>losange rose</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>carré rouge</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>rectangle rouge</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>cercle rouge</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>ovale rouge</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>triangle rouge</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>losange rouge</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>carré blanc</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>rectangle blanc</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>cercle blanc</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>ovale blanc</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>triangle blanc</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>losange blanc</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>carré jaune</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>rectangle jaune</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>cercle jaune</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>ovale jaune</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>triangle jaune</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>losange jaune</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>vert clair</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rose clair</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>jaune clair</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>Aucun navigateur web n&apos;est configuré sur cet ordinateur, la page ne peut donc pas s&apos;afficher. C&apos;est ce fichier :
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 pour les préférences, %2 pour quitter</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Préférences de Tumbletot</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur du fond</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Change à chaque partie</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Change à chaque clic</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>Bébé crée des formes</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Seul le fond change</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot joue tout seul si Bébé ne joue plus pendant :</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Les formes apparaissent</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Mode débutant</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Rouge, blanc et noir seulement</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Simple (gazouillis et bips)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Riche (accords et signaux)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Familier (vrais bruits)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>ne joue pas</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 seconde</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Dire ce qui apparaît</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot : formes et sons pour petites mains</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Chaque son et chaque image sortent de notre propre code</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Logiciel libre : partagez-le avec d&apos;autres parents</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Ce bureau garde ses touches, comme demandé : changez-le dans Paramètres, Applications, Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Ce bureau garde certaines touches : restez près de votre enfant.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>À tout moment :</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1 : préférences</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1 : quitter</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Une touche pour commencer</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>par</translation>
    </message>
</context>
</TS>
