<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Português (Brasil)</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>som faltando, nada vai tocar no lugar dele: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>imagem faltando, nada vai ser desenhado no lugar dela: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>o fluxo foi desconectado</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>o servidor de som não aceita a conexão</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>o servidor de som recusou o fluxo</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>a biblioteca de som não inicia</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>o servidor de som não tem nenhuma saída para tocar</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>o servidor de som não aceita o formato de som do Tumbletot</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>o servidor de som não respondeu</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>a saída de som se perdeu; seguindo sem som até ela voltar</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>a saída de som se perdeu: %1; seguindo sem som até ela voltar</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>o som voltou</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>nenhuma saída de som encontrada; seguindo sem som até ela voltar</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; seguindo sem som até ele voltar</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>este compositor guarda seus próprios atalhos; o Tumbletot não consegue segurar todas as teclas aqui</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; o Tumbletot não consegue pedir a esta área de trabalho que lhe deixe as teclas</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>já está aberto; foi trazido para a frente</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>nenhum navegador conseguiu abrir %1</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>a biblioteca de fala não encontrou nenhuma voz</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>nenhuma voz para este idioma</translation>
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
        <translation>quadrado preto</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>retângulo preto</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>círculo preto</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>oval preto</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>triângulo preto</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>losango preto</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>quadrado azul</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>retângulo azul</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>círculo azul</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>oval azul</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>triângulo azul</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>losango azul</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>quadrado verde</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>retângulo verde</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>círculo verde</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>oval verde</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>triângulo verde</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>losango verde</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>quadrado laranja</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>retângulo laranja</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>círculo laranja</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>oval laranja</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>triângulo laranja</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>losango laranja</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>quadrado rosa</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>retângulo rosa</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>círculo rosa</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>oval rosa</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>triângulo rosa</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>losango rosa</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>quadrado vermelho</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>retângulo vermelho</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>círculo vermelho</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>oval vermelho</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>triângulo vermelho</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>losango vermelho</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>quadrado branco</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>retângulo branco</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>círculo branco</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>oval branco</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>triângulo branco</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>losango branco</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>quadrado amarelo</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>retângulo amarelo</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>círculo amarelo</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>oval amarelo</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>triângulo amarelo</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>losango amarelo</translation>
    </message>
    <message>
        <source>black</source>
        <translation>preto</translation>
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
        <translation>laranja</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul-claro</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>verde-claro</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>rosa-claro</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>amarelo-claro</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>Nenhum navegador está configurado neste computador, então a página não pode ser exibida. Ela é este arquivo:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 para preferências, %2 para sair</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Preferências do Tumbletot</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Diferente a cada jogo</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Muda a cada clique</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>O bebê cria formas</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Só o fundo muda</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot brinca sozinho se o bebê parar de brincar por:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Brincar sozinho</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>As formas aparecem</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatório</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>No centro</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Modo iniciante</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Só vermelho, branco e preto</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Simples (apitos e bipes)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Complexo (acordes e sinais)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Conhecido (sons do dia a dia)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Brincar</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>não brinca</translation>
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
        <translation>Dizer o que aparece</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: formas e sons para mãozinhas</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Cada som e imagem feitos pelo nosso próprio código</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Software livre: compartilhe com outros pais</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Este ambiente foi instruído a manter suas teclas: mude em Configurações, Aplicativos, Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Este ambiente mantém algumas teclas: fique perto do seu filho.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>A qualquer momento:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: preferências</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: sair</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Aperte uma tecla para começar</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>por</translation>
    </message>
</context>
</TS>
