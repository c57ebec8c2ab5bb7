<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Polski</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edycja</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>brak dźwięku, w jego miejsce nic nie zagra: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>brak obrazka, w jego miejsce nic nie zostanie narysowane: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>strumień został rozłączony</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>serwer dźwięku nie przyjmuje połączenia</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>serwer dźwięku odrzucił strumień</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>biblioteka dźwięku się nie uruchamia</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>serwer dźwięku nie ma wyjścia, na którym mógłby grać</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>serwer dźwięku nie przyjmuje formatu dźwięku Tumbletota</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>serwer dźwięku nie odpowiada</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>utracono wyjście dźwięku; gramy dalej bez dźwięku, aż wróci</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>utracono wyjście dźwięku: %1; gramy dalej bez dźwięku, aż wróci</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>dźwięk wrócił</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>nie znaleziono wyjścia dźwięku; gramy dalej bez dźwięku, aż się pojawi</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; gramy dalej bez dźwięku, aż wróci</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>ten kompozytor zachowuje własne skróty; Tumbletot nie może tu przytrzymać każdego klawisza</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; Tumbletot nie może poprosić tego pulpitu o oddanie klawiszy</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>już działa; przeniesiono na wierzch</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>żadna przeglądarka nie mogła otworzyć %1</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>biblioteka mowy nie znalazła żadnych głosów</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>brak głosu dla tego języka</translation>
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
        <translation>czarny kwadrat</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>czarny prostokąt</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>czarne koło</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>czarny owal</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>czarny trójkąt</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>czarny romb</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>niebieski kwadrat</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>niebieski prostokąt</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>niebieskie koło</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>niebieski owal</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>niebieski trójkąt</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>niebieski romb</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>zielony kwadrat</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>zielony prostokąt</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>zielone koło</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>zielony owal</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>zielony trójkąt</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>zielony romb</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>pomarańczowy kwadrat</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>pomarańczowy prostokąt</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>pomarańczowe koło</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>pomarańczowy owal</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>pomarańczowy trójkąt</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>pomarańczowy romb</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>różowy kwadrat</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>różowy prostokąt</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>różowe koło</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>różowy owal</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>różowy trójkąt</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>różowy romb</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>czerwony kwadrat</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>czerwony prostokąt</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>czerwone koło</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>czerwony owal</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>czerwony trójkąt</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>czerwony romb</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>biały kwadrat</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>biały prostokąt</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>białe koło</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>biały owal</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>biały trójkąt</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>biały romb</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>żółty kwadrat</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>żółty prostokąt</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>żółte koło</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>żółty owal</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>żółty trójkąt</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>żółty romb</translation>
    </message>
    <message>
        <source>black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>white</source>
        <translation>biały</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>jasnoniebieski</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>jasnozielony</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>jasnoróżowy</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>jasnożółty</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>Na tym komputerze nie ustawiono przeglądarki, więc strony nie da się pokazać. To ten plik:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>%1 – preferencje, %2 – wyjście</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Preferencje Tumbletot</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Inny w każdej grze</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Zmienia się co klik</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Tryb zabawy</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>Maluch tworzy kształty</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Zmienia się tylko tło</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Tumbletot bawi się sam, gdy maluch nie bawi się przez:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Zabawa automatyczna</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Kształty pojawiają się</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Losowo</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>Na środku</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Dla najmłodszych</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Tylko czerwony, biały i czarny</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Proste (ćwierkanie i piski)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Bogate (akordy i sygnały)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Znajome (prawdziwe dźwięki)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>wyłączone</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 sekunda</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuta</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Mów, co się pojawia</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: kształty i dźwięki dla małych rączek</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Każdy dźwięk i obrazek z naszego własnego kodu</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Wolne oprogramowanie: podziel się z innymi rodzicami</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Ten pulpit ma zatrzymać swoje klawisze: zmień to w Ustawienia, Aplikacje, Tumbletot.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Ten pulpit zatrzymuje niektóre klawisze: zostań blisko dziecka.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>W każdej chwili:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: preferencje</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: wyjście</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Naciśnij klawisz, by zacząć</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>od</translation>
    </message>
</context>
</TS>
