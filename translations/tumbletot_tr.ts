<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>Türkçe</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>ses eksik, yerine hiçbir şey çalmayacak: %1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>resim eksik, yerine hiçbir şey çizilmeyecek: %1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>akışın bağlantısı kesildi</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>ses sunucusu bağlantıyı kabul etmiyor</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>ses sunucusu akışı reddetti</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>ses kitaplığı başlamıyor</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>ses sunucusunun çalacak bir çıkışı yok</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>ses sunucusu Tumbletot&apos;un ses biçimini kabul etmiyor</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>ses sunucusu yanıt vermiyor</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>ses çıkışı kayboldu; geri gelene kadar sessiz devam ediliyor</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>ses çıkışı kayboldu: %1; geri gelene kadar sessiz devam ediliyor</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>ses geri geldi</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>ses çıkışı bulunamadı; gelene kadar sessiz devam ediliyor</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1; ses geri gelene kadar sessiz devam ediliyor</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>bu birleştirici kendi kısayollarını tutuyor; Tumbletot burada her tuşu tutamaz</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1; Tumbletot bu masaüstünden tuşları kendisine bırakmasını isteyemiyor</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>zaten açık; öne getirildi</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>hiçbir tarayıcı %1 adresini açamadı</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>konuşma kitaplığı hiçbir ses bulamadı</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>bu dil için konuşma sesi yok</translation>
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
        <translation>siyah kare</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>siyah dikdörtgen</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>siyah daire</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>siyah oval</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>siyah üçgen</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>siyah baklava dilimi</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>mavi kare</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>mavi dikdörtgen</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>mavi daire</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>mavi oval</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>mavi üçgen</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>mavi baklava dilimi</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>yeşil kare</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>yeşil dikdörtgen</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>yeşil daire</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>yeşil oval</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>yeşil üçgen</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>yeşil baklava dilimi</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>turuncu kare</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>turuncu dikdörtgen</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>turuncu daire</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>turuncu oval</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>turuncu üçgen</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>turuncu baklava dilimi</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>pembe kare</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>pembe dikdörtgen</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>pembe daire</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>pembe oval</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>pembe üçgen</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>pembe baklava dilimi</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>kırmızı kare</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>kırmızı dikdörtgen</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>kırmızı daire</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>kırmızı oval</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>kırmızı üçgen</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>kırmızı baklava dilimi</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>beyaz kare</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>beyaz dikdörtgen</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>beyaz daire</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>beyaz oval</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>beyaz üçgen</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>beyaz baklava dilimi</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>sarı kare</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>sarı dikdörtgen</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>sarı daire</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>sarı oval</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>sarı üçgen</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>sarı baklava dilimi</translation>
    </message>
    <message>
        <source>black</source>
        <translation>siyah</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>mavi</translation>
    </message>
    <message>
        <source>green</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>turuncu</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>pembe</translation>
    </message>
    <message>
        <source>red</source>
        <translation>kırmızı</translation>
    </message>
    <message>
        <source>white</source>
        <translation>beyaz</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>sarı</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>açık mavi</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>açık yeşil</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>açık pembe</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>açık sarı</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>Bu bilgisayarda bir web tarayıcısı kurulu değil, bu yüzden sayfa gösterilemiyor. Sayfa şu dosyada:
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>Tercihler için %1, çıkmak için %2</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Tumbletot Tercihleri</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Arka plan rengi</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Beyaz</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>Her oyunda farklı</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>Her tıklamada değişir</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>Oyun türü</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>Bebek şekil yapar</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>Sadece arka plan değişir</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>Bebek oynamazsa Tumbletot kendi oynar, bekleme:</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>Kendi kendine oyna</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>Şekiller çıkar</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Rastgele</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>Ortada</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>Başlangıç modu</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>Yalnızca kırmızı, beyaz ve siyah</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>Basit (cıvıltı ve bip)</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>Zengin (akorlar ve sinyaller)</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>Tanıdık (gerçek sesler)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oyna</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>oynamaz</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 saniye</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 dakika</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>Ekrana geleni söyle</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot: minik eller için şekiller ve sesler</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>Her ses ve resim kendi kodumuzla yapıldı</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>Özgür yazılım: diğer ebeveynlerle paylaşın</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>Bu masaüstüne tuşlarını tutması söylendi: Ayarlar, Uygulamalar, Tumbletot&apos;tan değiştirin.</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>Bu masaüstü bazı tuşları kendine ayırır: çocuğunuzun yanında kalın.</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>Her an:</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1: tercihler</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1: çıkış</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>Başlamak için bir tuşa basın</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>Yapım:</translation>
    </message>
</context>
</TS>
