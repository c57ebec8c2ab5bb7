<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of this language in itself, as a parent looks for it in a list.</extracomment>
        <translation>简体中文</translation>
    </message>
</context>
<context>
    <name>Menu1</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>sound missing, playing nothing for it: %1</source>
        <translation>缺少声音，它那里将没有声音：%1</translation>
    </message>
    <message>
        <source>picture missing, drawing nothing for it: %1</source>
        <translation>缺少图片，它那里将什么都不画：%1</translation>
    </message>
    <message>
        <source>the stream was disconnected</source>
        <translation>音频流已断开</translation>
    </message>
    <message>
        <source>sound server would not connect</source>
        <translation>声音服务器不接受连接</translation>
    </message>
    <message>
        <source>sound server refused the stream</source>
        <translation>声音服务器拒绝了音频流</translation>
    </message>
    <message>
        <source>the sound library would not start</source>
        <translation>声音库无法启动</translation>
    </message>
    <message>
        <source>sound server has no output to play on</source>
        <translation>声音服务器没有可用的输出设备</translation>
    </message>
    <message>
        <source>sound server would not take the toy&apos;s sound format</source>
        <translation>声音服务器不接受 Tumbletot 的声音格式</translation>
    </message>
    <message>
        <source>sound server did not answer</source>
        <translation>声音服务器没有响应</translation>
    </message>
    <message>
        <source>lost the sound output; playing without sound until it is back</source>
        <translation>声音输出丢失；在恢复之前静音继续</translation>
    </message>
    <message>
        <source>lost the sound output: %1; playing without sound until it is back</source>
        <translation>声音输出丢失：%1；在恢复之前静音继续</translation>
    </message>
    <message>
        <source>sound is back</source>
        <translation>声音已恢复</translation>
    </message>
    <message>
        <source>no sound output found; playing without sound until it is back</source>
        <translation>未找到声音输出；在找到之前静音继续</translation>
    </message>
    <message>
        <source>%1; playing without sound until it is back</source>
        <translation>%1；在声音恢复之前静音继续</translation>
    </message>
    <message>
        <source>this compositor keeps its own shortcuts; the toy cannot hold every key here</source>
        <translation>此合成器保留自己的快捷键；Tumbletot 无法在这里拦住所有按键</translation>
    </message>
    <message>
        <source>%1; the toy cannot ask this desktop to hold its keys</source>
        <translation>%1；Tumbletot 无法请求此桌面把按键交给它</translation>
    </message>
    <message>
        <source>already running; brought it to the front</source>
        <translation>已在运行；已将其带到最前</translation>
    </message>
    <message>
        <source>no browser could open %1</source>
        <translation>没有浏览器能打开 %1</translation>
    </message>
    <message>
        <source>the speech library found no voices</source>
        <translation>语音库没有找到任何语音</translation>
    </message>
    <message>
        <source>no voice for this language</source>
        <translation>没有适用于这种语言的语音</translation>
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
        <translation>黑色的正方形</translation>
    </message>
    <message>
        <source>black rectangle</source>
        <translation>黑色的长方形</translation>
    </message>
    <message>
        <source>black circle</source>
        <translation>黑色的圆形</translation>
    </message>
    <message>
        <source>black oval</source>
        <translation>黑色的椭圆形</translation>
    </message>
    <message>
        <source>black triangle</source>
        <translation>黑色的三角形</translation>
    </message>
    <message>
        <source>black diamond</source>
        <translation>黑色的菱形</translation>
    </message>
    <message>
        <source>blue square</source>
        <translation>蓝色的正方形</translation>
    </message>
    <message>
        <source>blue rectangle</source>
        <translation>蓝色的长方形</translation>
    </message>
    <message>
        <source>blue circle</source>
        <translation>蓝色的圆形</translation>
    </message>
    <message>
        <source>blue oval</source>
        <translation>蓝色的椭圆形</translation>
    </message>
    <message>
        <source>blue triangle</source>
        <translation>蓝色的三角形</translation>
    </message>
    <message>
        <source>blue diamond</source>
        <translation>蓝色的菱形</translation>
    </message>
    <message>
        <source>green square</source>
        <translation>绿色的正方形</translation>
    </message>
    <message>
        <source>green rectangle</source>
        <translation>绿色的长方形</translation>
    </message>
    <message>
        <source>green circle</source>
        <translation>绿色的圆形</translation>
    </message>
    <message>
        <source>green oval</source>
        <translation>绿色的椭圆形</translation>
    </message>
    <message>
        <source>green triangle</source>
        <translation>绿色的三角形</translation>
    </message>
    <message>
        <source>green diamond</source>
        <translation>绿色的菱形</translation>
    </message>
    <message>
        <source>orange square</source>
        <translation>橙色的正方形</translation>
    </message>
    <message>
        <source>orange rectangle</source>
        <translation>橙色的长方形</translation>
    </message>
    <message>
        <source>orange circle</source>
        <translation>橙色的圆形</translation>
    </message>
    <message>
        <source>orange oval</source>
        <translation>橙色的椭圆形</translation>
    </message>
    <message>
        <source>orange triangle</source>
        <translation>橙色的三角形</translation>
    </message>
    <message>
        <source>orange diamond</source>
        <translation>橙色的菱形</translation>
    </message>
    <message>
        <source>pink square</source>
        <translation>粉色的正方形</translation>
    </message>
    <message>
        <source>pink rectangle</source>
        <translation>粉色的长方形</translation>
    </message>
    <message>
        <source>pink circle</source>
        <translation>粉色的圆形</translation>
    </message>
    <message>
        <source>pink oval</source>
        <translation>粉色的椭圆形</translation>
    </message>
    <message>
        <source>pink triangle</source>
        <translation>粉色的三角形</translation>
    </message>
    <message>
        <source>pink diamond</source>
        <translation>粉色的菱形</translation>
    </message>
    <message>
        <source>red square</source>
        <translation>红色的正方形</translation>
    </message>
    <message>
        <source>red rectangle</source>
        <translation>红色的长方形</translation>
    </message>
    <message>
        <source>red circle</source>
        <translation>红色的圆形</translation>
    </message>
    <message>
        <source>red oval</source>
        <translation>红色的椭圆形</translation>
    </message>
    <message>
        <source>red triangle</source>
        <translation>红色的三角形</translation>
    </message>
    <message>
        <source>red diamond</source>
        <translation>红色的菱形</translation>
    </message>
    <message>
        <source>white square</source>
        <translation>白色的正方形</translation>
    </message>
    <message>
        <source>white rectangle</source>
        <translation>白色的长方形</translation>
    </message>
    <message>
        <source>white circle</source>
        <translation>白色的圆形</translation>
    </message>
    <message>
        <source>white oval</source>
        <translation>白色的椭圆形</translation>
    </message>
    <message>
        <source>white triangle</source>
        <translation>白色的三角形</translation>
    </message>
    <message>
        <source>white diamond</source>
        <translation>白色的菱形</translation>
    </message>
    <message>
        <source>yellow square</source>
        <translation>黄色的正方形</translation>
    </message>
    <message>
        <source>yellow rectangle</source>
        <translation>黄色的长方形</translation>
    </message>
    <message>
        <source>yellow circle</source>
        <translation>黄色的圆形</translation>
    </message>
    <message>
        <source>yellow oval</source>
        <translation>黄色的椭圆形</translation>
    </message>
    <message>
        <source>yellow triangle</source>
        <translation>黄色的三角形</translation>
    </message>
    <message>
        <source>yellow diamond</source>
        <translation>黄色的菱形</translation>
    </message>
    <message>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>white</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>浅蓝色</translation>
    </message>
    <message>
        <source>light green</source>
        <translation>浅绿色</translation>
    </message>
    <message>
        <source>light pink</source>
        <translation>浅粉色</translation>
    </message>
    <message>
        <source>light yellow</source>
        <translation>浅黄色</translation>
    </message>
</context>
<context>
    <name>ShowURL</name>
    <message>
        <source>No web browser is set up on this computer, so the page cannot be shown. It is this file:
%1</source>
        <translation>这台电脑上没有设置网页浏览器，所以无法显示该页面。页面就是这个文件：
%1</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Press %1 for Preferences or %2 to Quit</source>
        <translation>按 %1 打开首选项，按 %2 退出</translation>
    </message>
</context>
<context>
    <name>Window2</name>
    <message>
        <source>Tumbletot Preferences</source>
        <translation>Tumbletot 首选项</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Different each game</source>
        <translation>每局不同</translation>
    </message>
    <message>
        <source>Change every click</source>
        <translation>每次点击都变</translation>
    </message>
    <message>
        <source>Play mode</source>
        <translation>游戏方式</translation>
    </message>
    <message>
        <source>Baby makes new shapes</source>
        <translation>宝宝画出新图形</translation>
    </message>
    <message>
        <source>Only background changes</source>
        <translation>只变换背景</translation>
    </message>
    <message>
        <source>Tumbletot plays alone if Baby doesn&apos;t play after</source>
        <translation>宝宝停手多久后，Tumbletot 自己玩：</translation>
    </message>
    <message>
        <source>Play automatically</source>
        <translation>自动游戏</translation>
    </message>
    <message>
        <source>Shapes appear</source>
        <translation>图形出现在</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Centered on screen</source>
        <translation>屏幕中央</translation>
    </message>
    <message>
        <source>Beginners mode</source>
        <translation>入门模式</translation>
    </message>
    <message>
        <source>Use only red, white and black</source>
        <translation>只用红、白、黑三色</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Simple (chirps and beeps)</source>
        <translation>简单（啾啾和哔哔）</translation>
    </message>
    <message>
        <source>Complex (harmonies and signals)</source>
        <translation>丰富（和弦与信号）</translation>
    </message>
    <message>
        <source>Recognizable (real world sounds)</source>
        <translation>熟悉（真实的声音）</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>开始玩</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>won&apos;t play</source>
        <translation>不自动玩</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 秒</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Say what appears</source>
        <translation>说出出现的图形和颜色</translation>
    </message>
</context>
<context>
    <name>Window3</name>
    <message>
        <source>Tumbletot: shapes and sounds for little hands</source>
        <translation>Tumbletot：给小手玩的图形和声音</translation>
    </message>
    <message>
        <source>Every sound and picture made by our own code</source>
        <translation>每个声音和图画都出自我们自己的代码</translation>
    </message>
    <message>
        <source>Free software: share it with other parents</source>
        <translation>自由软件：欢迎分享给其他家长</translation>
    </message>
    <message>
        <source>This desktop was told to keep its keys: change it in Settings, Apps, Tumbletot.</source>
        <translation>已让桌面保留它的按键：可在“设置 → 应用 → Tumbletot”中更改。</translation>
    </message>
    <message>
        <source>This desktop keeps some of its keys: stay near your child.</source>
        <translation>桌面会保留部分按键：请待在孩子身边。</translation>
    </message>
    <message>
        <source>Anytime press</source>
        <translation>随时按：</translation>
    </message>
    <message>
        <source>%1 for Preferences</source>
        <translation>%1：首选项</translation>
    </message>
    <message>
        <source>%1 to Quit</source>
        <translation>%1：退出</translation>
    </message>
    <message>
        <source>Press any key to Start</source>
        <translation>按任意键开始</translation>
    </message>
    <message>
        <source>Tumbletot</source>
        <translation>Tumbletot</translation>
    </message>
    <message>
        <source>by</source>
        <translation>制作</translation>
    </message>
</context>
</TS>
