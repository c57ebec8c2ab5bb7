<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Русский</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>нет звука, вместо него ничего не прозвучит: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>нет картинки, вместо неё ничего не нарисуется: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>поток отключён</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>звуковой сервер не принимает подключение</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>звуковой сервер отклонил поток</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>звуковая библиотека не запускается</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>у звукового сервера нет выхода для воспроизведения</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>звуковой сервер не принимает звуковой формат Tumbletot</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>звуковой сервер не отвечает</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>звуковой выход потерян; играем без звука, пока он не вернётся</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>звуковой выход потерян: %1; играем без звука, пока он не вернётся</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>звук вернулся</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>звуковой выход не найден; играем без звука, пока он не появится</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; играем без звука, пока он не вернётся</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>этот композитор оставляет себе свои сочетания клавиш; Tumbletot не может удержать здесь все клавиши</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; Tumbletot не может попросить этот рабочий стол отдать ему клавиши</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>уже запущен; выведен на передний план</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>ни один браузер не смог открыть %1</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>библиотека речи не нашла ни одного голоса</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>нет голоса для этого языка</translation>
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
        <translation>чёрный квадрат</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>чёрный прямоугольник</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>чёрный круг</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>чёрный овал</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>чёрный треугольник</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>чёрный ромб</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>синий квадрат</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>синий прямоугольник</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>синий круг</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>синий овал</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>синий треугольник</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>синий ромб</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>зелёный квадрат</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>зелёный прямоугольник</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>зелёный круг</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>зелёный овал</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>зелёный треугольник</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>зелёный ромб</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>оранжевый квадрат</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>оранжевый прямоугольник</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>оранжевый круг</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>оранжевый овал</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>оранжевый треугольник</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>оранжевый ромб</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>розовый квадрат</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>розовый прямоугольник</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>розовый круг</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>розовый овал</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>розовый треугольник</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>розовый ромб</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>красный квадрат</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>красный прямоугольник</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>красный круг</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>красный овал</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>красный треугольник</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>красный ромб</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>белый квадрат</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>белый прямоугольник</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>белый круг</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>белый овал</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>белый треугольник</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>белый ромб</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>жёлтый квадрат</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>жёлтый прямоугольник</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>жёлтый круг</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>жёлтый овал</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>жёлтый треугольник</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>жёлтый ромб</translation>
    </message>
    <message>
        <source>black</source>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>розовый</translation>
    </message>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>white</source>
        <translation>белый</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>светло-зелёный</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>светло-розовый</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>светло-жёлтый</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>На этом компьютере не настроен веб-браузер, поэтому страницу нельзя показать. Вот этот файл:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 — настройки, %2 — выход</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Настройки Tumbletot</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Новый в каждой игре</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Новый при каждом щелчке</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>Малыш рисует фигуры</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Меняется только фон</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot играет сам, если малыш не играет:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Автоигра</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Где появляются фигуры</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Случайно</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Для самых маленьких</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Только красный, белый и чёрный</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Простые (писк и щебет)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Сложные (аккорды и сигналы)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Знакомые (звуки жизни)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>не играет</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 секунда</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 минута</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Называть, что появляется</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: фигуры и звуки для маленьких ручек</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Каждый звук и картинка созданы нашим кодом</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Свободная программа: поделитесь с другими родителями</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Этому рабочему столу велено оставить свои клавиши: измените это в «Параметры», «Приложения», Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Этот рабочий стол оставляет себе некоторые клавиши: будьте рядом с ребёнком.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>В любой момент:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: настройки</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: выход</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Нажмите любую клавишу</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>от</translation>
    </message>
</context>
</TS>
