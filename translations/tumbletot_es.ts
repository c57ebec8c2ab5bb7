<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>falta un sonido, no sonará nada en su lugar: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>falta una imagen, no se dibujará nada en su lugar: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>el flujo se desconectó</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>el servidor de sonido no acepta la conexión</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>el servidor de sonido rechazó el flujo</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>la biblioteca de sonido no arranca</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>el servidor de sonido no tiene ninguna salida donde sonar</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>el servidor de sonido no acepta el formato de sonido de Tumbletot</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>el servidor de sonido no responde</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>se perdió la salida de sonido; se sigue sin sonido hasta que vuelva</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>se perdió la salida de sonido: %1; se sigue sin sonido hasta que vuelva</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>el sonido ha vuelto</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>no se encontró ninguna salida de sonido; se sigue sin sonido hasta que vuelva</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; se sigue sin sonido hasta que vuelva</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>este compositor guarda sus propios atajos; Tumbletot no puede retener todas las teclas aquí</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; Tumbletot no puede pedir a este escritorio que le deje las teclas</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>ya está abierto; se ha traído al frente</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>ningún navegador pudo abrir %1</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>la biblioteca de voz no encontró ninguna voz</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>no hay voz para este idioma</translation>
    </message>
</context>
<context>
    <name>ParentChord</name>
    <message>
        <source>Shift</source>
        <translation>Mayús</translation>
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
        <translation>cuadrado negro</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>rectángulo negro</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>círculo negro</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>óvalo negro</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>triángulo negro</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>rombo negro</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>cuadrado azul</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>rectángulo azul</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>círculo azul</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>óvalo azul</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>triángulo azul</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>rombo azul</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>cuadrado verde</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>rectángulo verde</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>círculo verde</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>óvalo verde</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triángulo verde</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>rombo verde</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>cuadrado naranja</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>rectángulo naranja</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>círculo naranja</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>óvalo naranja</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>triángulo naranja</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>rombo naranja</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>cuadrado rosa</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>rectángulo rosa</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>círculo rosa</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>óvalo rosa</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>triángulo rosa</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>rombo rosa</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>cuadrado rojo</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>rectángulo rojo</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>círculo rojo</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>óvalo rojo</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>triángulo rojo</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>rombo rojo</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>cuadrado blanco</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>rectángulo blanco</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>círculo blanco</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>óvalo blanco</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>triángulo blanco</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>rombo blanco</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>cuadrado amarillo</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>rectángulo amarillo</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>círculo amarillo</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>óvalo amarillo</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>triángulo amarillo</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>rombo amarillo</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul claro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde claro</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rosa claro</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>amarillo claro</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>No hay ningún navegador web configurado en este equipo, así que la página no se puede mostrar. Es este archivo:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 para preferencias, %2 para salir</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Preferencias de Tumbletot</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Distinto cada partida</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Cambia con cada clic</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>El bebé crea formas</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Solo cambia el fondo</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot juega solo si el bebé no juega durante:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Las formas aparecen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Modo principiante</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Solo rojo, blanco y negro</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Sencillo (pitidos y trinos)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Complejo (acordes y señales)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Reconocible (sonidos reales)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>no juega</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
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
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Decir lo que aparece</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: formas y sonidos para manos pequeñas</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Cada sonido e imagen sale de nuestro propio código</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Software libre: compártelo con otros padres</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Se pidió a este escritorio que guarde sus teclas: cámbialo en Configuración, Aplicaciones, Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Este escritorio se reserva algunas teclas: quédate cerca de tu hijo.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>En cualquier momento:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: preferencias</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: salir</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Pulsa una tecla para empezar</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>de</translation>
    </message>
</context>
</TS>
