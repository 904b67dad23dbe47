<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccessibleText</name>
    <message>
        <source>Reference wave W</source>
        <translation>基準波 W</translation>
    </message>
    <message>
        <source>W amplitude</source>
        <translation>W の振幅</translation>
    </message>
    <message>
        <source>Steps the amplitude of the Essential Wave W by the step chosen in step a</source>
        <translation>基準波 W の振幅を、「step a」で選んだ刻みずつ上げ下げします</translation>
    </message>
    <message>
        <source>W frequency</source>
        <translation>W の周波数</translation>
    </message>
    <message>
        <source>Steps the frequency of the Essential Wave W by the step chosen in step n</source>
        <translation>基準波 W の周波数を、「step n」で選んだ刻みずつ上げ下げします</translation>
    </message>
    <message>
        <source>W cos or sin</source>
        <translation>W を cos にするか sin にするか</translation>
    </message>
    <message>
        <source>W cos</source>
        <translation>W を cos に</translation>
    </message>
    <message>
        <source>Makes the Essential Wave W a cosine</source>
        <translation>基準波 W を余弦波（cos）にします</translation>
    </message>
    <message>
        <source>W sin</source>
        <translation>W を sin に</translation>
    </message>
    <message>
        <source>Makes the Essential Wave W a sine</source>
        <translation>基準波 W を正弦波（sin）にします</translation>
    </message>
    <message>
        <source>Essential Wave W</source>
        <translation>基準波 W のグラフ</translation>
    </message>
    <message>
        <source>Wave %1</source>
        <translation>波 %1</translation>
    </message>
    <message>
        <source>%1 controls</source>
        <translation>波 %1 の設定</translation>
    </message>
    <message>
        <source>%1 amplitude</source>
        <translation>%1 の振幅</translation>
    </message>
    <message>
        <source>Steps the amplitude of wave %1 by the step chosen in step a</source>
        <translation>波 %1 の振幅を、「step a」で選んだ刻みずつ上げ下げします</translation>
    </message>
    <message>
        <source>%1 frequency</source>
        <translation>%1 の周波数</translation>
    </message>
    <message>
        <source>Steps the frequency of wave %1 by the step chosen in step n</source>
        <translation>波 %1 の周波数を、「step n」で選んだ刻みずつ上げ下げします</translation>
    </message>
    <message>
        <source>%1 cos or sin</source>
        <translation>%1 を cos にするか sin にするか</translation>
    </message>
    <message>
        <source>%1 cos</source>
        <translation>%1 を cos に</translation>
    </message>
    <message>
        <source>Makes wave %1 a cosine</source>
        <translation>波 %1 を余弦波（cos）にします</translation>
    </message>
    <message>
        <source>%1 sin</source>
        <translation>%1 を sin に</translation>
    </message>
    <message>
        <source>Makes wave %1 a sine</source>
        <translation>波 %1 を正弦波（sin）にします</translation>
    </message>
    <message>
        <source>%1</source>
        <extracomment>The name of a graph: its letter (A, A&apos;, E, E&apos;).</extracomment>
        <translation>%1 のグラフ</translation>
    </message>
    <message>
        <source>Sums E and E&apos;</source>
        <translation>和 E と E&apos;</translation>
    </message>
    <message>
        <source>t span and steps</source>
        <translation>表示する周期と刻み</translation>
    </message>
    <message>
        <source>t span</source>
        <translation>表示周期数 t</translation>
    </message>
    <message>
        <source>Steps the number of periods shown on every graph by one</source>
        <translation>すべてのグラフに表示する周期の数を 1 ずつ増減します</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET（リセット）</translation>
    </message>
    <message>
        <source>Sets the span back to one period and redraws every graph</source>
        <translation>表示を 1 周期に戻し、すべてのグラフを描き直します</translation>
    </message>
    <message>
        <source>step n %1</source>
        <translation>周波数の刻み %1</translation>
    </message>
    <message>
        <source>Frequency arrows step by %1</source>
        <translation>周波数の矢印が %1 ずつ増減するようにします</translation>
    </message>
    <message>
        <source>step a %1</source>
        <translation>振幅の刻み %1</translation>
    </message>
    <message>
        <source>Amplitude arrows step by %1</source>
        <translation>振幅の矢印が %1 ずつ増減するようにします</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows this help and exits.</source>
        <translation>この説明を表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version and exits.</source>
        <translation>プログラムの名前とバージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>不明なオプション &apos;%1&apos; です。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>余分な引数 &apos;%1&apos; があります。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは &apos;%1 --help&apos; を見てください。</translation>
    </message>
    <message>
        <source>Opens the window in the lesson written as in a link, e.g. &apos;A=3c1&amp;B=1c3&amp;t=2&apos; (see the manual page).</source>
        <translation>リンクと同じ書き方の授業の状態（例：&apos;A=3c1&amp;B=1c3&amp;t=2&apos;）でウィンドウを開きます（詳しくはマニュアルページを参照）。</translation>
    </message>
    <message>
        <source>lesson</source>
        <translation>授業の状態</translation>
    </message>
    <message>
        <source>Writes the window&apos;s picture to the file instead of showing the window, as PNG, SVG or PDF by the name&apos;s ending.</source>
        <translation>ウィンドウを表示する代わりに、その画像をファイルに書きます。名前の末尾で PNG、SVG、PDF のどれかになります。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Device pixels per pixel of a PNG picture, 1 to 8 (default 2).</source>
        <translation>PNG の画像の 1 画素あたりの画素数。1 から 8 まで（指定しなければ 2）。</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Shows how waves add up and how they multiply: four waves A to D, their sum E,
and their products with a reference wave W, redrawn at every click.

Tab moves through the controls, Up and Down step the arrows, Space or Enter
presses RESET. Ctrl+C copies the picture of the window to the clipboard,
Ctrl+Shift+C the picture of the graph that has the keyboard focus. M draws
the mean of each product over the span, or hides it. Ctrl+P prints the
window. Ctrl+plus, Ctrl+minus and Ctrl+0 make the window larger, smaller
and again its own size; F11 fills the screen with it, or ends that.</source>
        <translation>波がどう足し合わされ、どう掛け合わされるかを見せる教材です。四つの波 A〜D と
その和 E、基準波 W との積を、クリックのたびに描き直します。

Tab で操作部品を移り、↑ と ↓ で矢印を操作し、Space か Enter で RESET を
押します。Ctrl+C でウィンドウの画像を、Ctrl+Shift+C でキーボードで選んでいる
グラフの画像を、クリップボードにコピーします。M で各積の表示範囲での平均を
描き、もう一度押すと消します。Ctrl+P でウィンドウを印刷します。Ctrl+plus、
Ctrl+minus、Ctrl+0 でウィンドウを拡大、縮小し、元の大きさに戻します。F11 で
画面いっぱいに表示し、もう一度押すと戻ります。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not end in .png, .svg or .pdf.</source>
        <translation>&apos;%1&apos; の末尾が .png、.svg、.pdf のどれでもありません。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number from %2 to %3.</source>
        <translation>&apos;%1&apos; は %2 から %3 までの整数ではありません。</translation>
    </message>
    <message>
        <source>there is no --picture to scale.</source>
        <translation>倍率をかける --picture がありません。</translation>
    </message>
    <message>
        <source>only a PNG picture has a scale, not &apos;%1&apos;.</source>
        <translation>倍率があるのは PNG の画像だけです。&apos;%1&apos; にはありません。</translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>%1, t = %2 period</source>
        <translation>%1、t = %2 周期</translation>
    </message>
    <message>
        <source>%1, t = %2 periods</source>
        <translation>%1、t = %2 周期</translation>
    </message>
    <message>
        <source>%1 = %2, mean %3</source>
        <translation>%1 = %2、平均 %3</translation>
    </message>
    <message>
        <source>%1 = %2, mean A&apos; + B&apos; + C&apos; + D&apos; = %3 = %4</source>
        <translation>%1 = %2、平均 A&apos; + B&apos; + C&apos; + D&apos; = %3 = %4</translation>
    </message>
</context>
<context>
    <name>LessonState</name>
    <message>
        <source>%1=%2: the amplitude is below 0.</source>
        <translation>%1=%2：振幅が 0 未満です。</translation>
    </message>
    <message>
        <source>%1=%2: the amplitude is above 10.9.</source>
        <translation>%1=%2：振幅が 10.9 を超えています。</translation>
    </message>
    <message>
        <source>%1=%2: the frequency is below 0.</source>
        <translation>%1=%2：周波数が 0 未満です。</translation>
    </message>
    <message>
        <source>%1=%2: the span must be a whole number of periods from 1 to 16777216.</source>
        <translation>%1=%2：表示周期数は 1 から 16777216 までの整数にしてください。</translation>
    </message>
    <message>
        <source>%1=%2: the step must be 1, 0.5, 0.2 or 0.1.</source>
        <translation>%1=%2：刻みは 1、0.5、0.2、0.1 のどれかにしてください。</translation>
    </message>
    <message>
        <source>%1=%2 is not an amplitude, c or s, and a frequency, as in %1=3c1.</source>
        <translation>%1=%2 は「振幅、c か s、周波数」の形（例：%1=3c1）になっていません。</translation>
    </message>
    <message>
        <source>%1=%2: %3 is not a whole number of tenths.</source>
        <translation>%1=%2：%3 は 0.1 の整数倍ではありません。</translation>
    </message>
    <message>
        <source>%1=%2: the frequency is above 1000000000.</source>
        <translation>%1=%2：周波数が 1000000000 を超えています。</translation>
    </message>
    <message>
        <source>%1=%2: the frequency of W is above 10.9.</source>
        <translation>%1=%2：W の周波数が 10.9 を超えています。</translation>
    </message>
    <message>
        <source>The text is longer than %1 characters.</source>
        <translation>%1 文字を超えています。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not of the form key=value.</source>
        <translation>「%1」が「キー=値」の形になっていません。</translation>
    </message>
    <message>
        <source>%1 is given twice.</source>
        <translation>%1 が 2 回指定されています。</translation>
    </message>
    <message>
        <source>%1=%2: the means are off with 0 and on with 1.</source>
        <translation>%1=%2：平均の表示は 0（なし）か 1（あり）にしてください。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a key of a lesson: A, B, C, D, W, t, sa, sn or m.</source>
        <translation>「%1」は使えるキー（A、B、C、D、W、t、sa、sn、m）ではありません。</translation>
    </message>
</context>
<context>
    <name>PictureCopyNotice</name>
    <message>
        <source>No graph has the focus: picture of the window copied</source>
        <translation>グラフが選ばれていないので、ウィンドウの画像をコピーしました</translation>
    </message>
    <message>
        <source>Picture of the graph %1 copied</source>
        <translation>%1の画像をコピーしました</translation>
    </message>
    <message>
        <source>Picture of the window copied</source>
        <translation>ウィンドウの画像をコピーしました</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>cannot open a display (%1); run it on a desktop, or under xvfb-run.</source>
        <translation>画面（ディスプレイ）を開けません（%1）。デスクトップで、または xvfb-run の下で実行してください。</translation>
    </message>
    <message>
        <source>--picture: cannot write &apos;%1&apos;: %2</source>
        <translation>--picture: &apos;%1&apos; を書けません：%2</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>This page needs a browser that runs WebAssembly and draws on a canvas, such as a current Chrome, Edge, Firefox or Safari.</source>
        <translation>このページを開くには、WebAssembly が動き canvas に描ける、新しいブラウザー（Chrome、Edge、Firefox、Safari など）が必要です。</translation>
    </message>
    <message>
        <source>The program could not start; please reload the page.</source>
        <translation>プログラムを起動できませんでした。ページを再読み込みしてください。</translation>
    </message>
    <message>
        <source>This page needs JavaScript; please allow it for this page.</source>
        <translation>このページには JavaScript が必要です。このページで JavaScript を許可してください。</translation>
    </message>
    <message>
        <source>The lesson in this link could not be opened: %1 The page starts as usual.</source>
        <translation>このリンクの授業の状態は開けませんでした。%1 ページは通常どおり始まります。</translation>
    </message>
    <message>
        <source>Share this lesson</source>
        <translation>この授業を共有</translation>
    </message>
    <message>
        <source>QR code of the lesson&apos;s address</source>
        <translation>授業の状態を含むアドレスの QR コード</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, which no tablet or phone can open, so there is no link to share; copy the lesson as text instead.</source>
        <translation>このページはこのコンピューターのファイルから開かれていて、タブレットやスマートフォンでは開けないため共有するリンクがありません。代わりに授業の状態をテキストでコピーしてください。</translation>
    </message>
    <message>
        <source>Copy the lesson text</source>
        <translation>授業の状態をテキストでコピー</translation>
    </message>
    <message>
        <source>Scan the code with a tablet or a phone to open this page in this lesson there.</source>
        <translation>タブレットやスマートフォンでこのコードを読み取ると、このページがこの授業の状態で開きます。</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message>
        <source>Lesson text copied</source>
        <translation>授業の状態をコピーしました</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>リンクをコピーしました</translation>
    </message>
    <message>
        <source>The browser did not let the page copy it; select the text and copy it yourself.</source>
        <translation>ブラウザーがコピーを許可しませんでした。テキストを選択して、ご自分でコピーしてください。</translation>
    </message>
    <message>
        <source>Save the picture as a PNG file</source>
        <translation>画像を PNG ファイルとして保存</translation>
    </message>
    <message>
        <source>The browser did not let the page copy the picture to the clipboard.</source>
        <translation>ブラウザーが画像のクリップボードへのコピーを許可しませんでした。</translation>
    </message>
</context>
</TS>
