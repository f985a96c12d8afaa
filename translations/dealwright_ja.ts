<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>エース</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>7</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>ジャック</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>King</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The short sign of the ace, as a card&apos;s corner shows it.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The short sign of the jack, as a card&apos;s corner shows it.</extracomment>
        <translation>J</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The short sign of the queen, as a card&apos;s corner shows it.</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The short sign of the king, as a card&apos;s corner shows it.</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>スペード</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>ハート</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>スペードのエース</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>スペードの2</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>スペードの3</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>スペードの4</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>スペードの5</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>スペードの6</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>スペードの7</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>スペードの8</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>スペードの9</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>スペードの10</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>スペードのジャック</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>スペードのクイーン</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>スペードのキング</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>ダイヤのエース</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>ダイヤの2</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>ダイヤの3</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>ダイヤの4</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>ダイヤの5</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>ダイヤの6</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>ダイヤの7</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>ダイヤの8</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>ダイヤの9</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>ダイヤの10</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>ダイヤのジャック</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>ダイヤのクイーン</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>ダイヤのキング</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>クラブのエース</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>クラブの2</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>クラブの3</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>クラブの4</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>クラブの5</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>クラブの6</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>クラブの7</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>クラブの8</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>クラブの9</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>クラブの10</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>クラブのジャック</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>クラブのクイーン</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>クラブのキング</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>ハートのエース</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>ハートの2</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>ハートの3</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>ハートの4</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>ハートの5</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>ハートの6</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>ハートの7</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>ハートの8</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>ハートの9</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>ハートの10</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>ハートのジャック</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>ハートのクイーン</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>ハートのキング</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>マニュアル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>Dealwright について(&amp;A)</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Qt について(&amp;Q)</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

トランプのカードをランダムに 1 枚ずつ、またはまとめて引き、引くことの意味をクラスに示します。引いた結果の集計を、偶然から期待される値と並べて見せます。

MIT ライセンスで公開しています。
%2

Dealwright の作者一同</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>Dealwright について</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The direction of this language&apos;s script: &quot;LTR&quot; (left to right) or &quot;RTL&quot; (right to left, as Arabic is written). The windows mirror for &quot;RTL&quot;.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>TallyText</name>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage: %1 is the number (&quot;23.4&quot;).</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <extracomment>The chance of the next card: %1 cards of %2 left, %3 the percentage.</extracomment>
        <translation>%2 枚中 %1 枚、%3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: 残りなし</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %3 枚中 %2 枚、%4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: %n 枚引いた</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: 期待値 %2 枚</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: %n 枚引いた、期待値 %2 枚</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: 引いた回数の %2</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: 未出</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: %2 回目に出た</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>マークごとの残り枚数: スペード %1、ダイヤ %2、クラブ %3、ハート %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>前回のリセット以降に引いた回数: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>残りのカードはありません</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>残りのカード: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>もっと引く必要があります: マークの判定は %1 回目から出ます。あと %n 回です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>公正なデッキとしては珍しい結果です (カイ二乗 %1、p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>公正なデッキとしては珍しい結果です (カイ二乗 %1、p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>公正なデッキと矛盾しません (カイ二乗 %1、p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>この判定は、4 つのマークを公正なデッキが偶然に出す結果と比べます。これほど偏った結果が 100 回に 1 回も起こらないときに「珍しい」と表示するので、公正なデッキでも 100 回見ればおよそ 1 回は「珍しい」と表示されます。</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>従来の方法</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>新しい方法</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: 引き方の選択</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>カードを引くウィンドウを開きます: 1 枚ずつ、毎回戻すか戻さないかを選んで引きます。</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>まとめて引くウィンドウを開きます: 異なるカードを最大 52 枚、一度に引きます。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>標準的な 52 枚のトランプからランダムにカードを引きます。
オプションなしではウィンドウを開きます。--batch を付けると、ウィンドウを開かずに
異なるカードをまとめて引き、ビットマップファイルとして保存します。</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>異なるカードを &lt;枚数&gt; 枚 (最大 52 枚) 引き、「Card N.bmp」として保存します。</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>枚数</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>--batch のファイルを保存する既存のフォルダー。</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>--batch のファイル形式: bmp (既定) または png。</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>形式</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>--batch のカードの高さ (ピクセル)。96 (既定) から 4320 まで。幅はカードの縦横比を保ちます (1050 のとき 777)。</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>
Example: cards for print, a poker card at 300 dpi:
  dealwright --batch 52 --out ~/cards --format png --height 1050

Exit status of --batch: 0 when every file was written, 1 when a file could
not be written (the others still are), 2 for a bad count, format or height,
an unusable folder or a wrong command line.
</source>
        <extracomment>--help: the example&apos;s command line stays as it is typed; ~/cards may be given a folder name of the language.</extracomment>
        <translation>
例: 印刷用のカード、300 dpi のポーカーサイズ:
  dealwright --batch 52 --out ~/cards --format png --height 1050

--batch の終了ステータス: すべてのファイルを書き込めたときは 0、書き込めない
ファイルがあったときは 1 (ほかのファイルは書き込まれます)、枚数・形式・高さが
不正なとき、フォルダーが使えないとき、コマンドラインが誤っているときは 2。
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch、--out、--format、--height はそれぞれ 1 回しか指定できません。</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format と --height は --batch 枚数 と一緒にだけ使えます。</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch には --out フォルダー が必要です。</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out は --batch 枚数 と一緒にだけ使えます。</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: bmp または png を指定してください。</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: %2 から %3 までの整数のピクセル数を指定してください。</translation>
    </message>
    <message>
        <source>--batch %1: %2</source>
        <extracomment>%1 is the value given to --batch, %2 what is wrong with it (&quot;Up to 52 cards allowed&quot;).</extracomment>
        <translation>--batch %1: %2</translation>
    </message>
    <message>
        <source>--out %1: %2</source>
        <extracomment>%1 is the folder given to --out, %2 what is wrong with it.</extracomment>
        <translation>--out %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card file that could not be made: %1 is its path, %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Try &apos;dealwright --help&apos; for more information.</source>
        <translation>詳しくは「dealwright --help」を実行してください。</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>カードデザイン: インストール済みのカードデッキのフォルダー名 (--list-designs で一覧できます)、または内蔵のカードを表す dealwright。この実行でのみ有効です。ウィンドウはこのデザインで表示し、--batch は 96 ピクセルを超えるカードをこのデザインで描きます。</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>使えるカードデザインを一覧表示します。フォルダー、名前、コメントをタブで区切り、1 行に 1 デザインずつ、内蔵のカードを先頭に出力します。</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design は 1 回しか指定できません。</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs はほかのオプションと一緒には使えません。</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1。カードは内蔵のデザインで描きます</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>ウィンドウを開けません: ディスプレイにも画面にも接続できません (DISPLAY、WAYLAND_DISPLAY、QT_QPA_PLATFORM)。--batch、--help、--version はディスプレイなしで使えます</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況バー</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>カードを引く進行状況</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>ランダムにカードを引く</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>引く枚数</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>全カードを画像として保存</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>選択したカードを画像として保存</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>結果をこのフォルダーに保存</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>保存先フォルダーを選ぶ</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>引いたカード</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 戻る</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>引いたカード</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>プロシージャの呼び出し、または引数が不正です: 「%1」はどのカードも指していません</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: まとめて引く</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>引いたカード</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>batch::CardExport</name>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>フォルダーが存在しません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>カードが選択されていません。</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>保存する画像がありません</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>画像をビットマップとして書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>PNG の書き込みを開始できませんでした</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>カードを PNG にエンコードできませんでした</translation>
    </message>
</context>
<context>
    <name>batch::FileBatch</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A card file that could not be written: %1 is its path, %2 the system&apos;s reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>batch::Generation</name>
    <message>
        <source>Must be a numerical value.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>52 枚まで指定できます</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>カード %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>引いた履歴を「%1」として保存できませんでした: %2。
すでにあるファイルは元のまま残ります。</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>引いた履歴を保存</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>引いた枚数: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>インデックスが有効範囲にありません: 引いた履歴がまだ始まっていません</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>カードがもうありません。リセットしてください。</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>このプログラム独自のカード。どのサイズでも鮮明です</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>カードデザイン %1 を除外しました: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>index.desktop がありません</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>index.desktop が通常のファイルではありません</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>index.desktop が 1 MB を超えています</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>index.desktop を読み込めません (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>フォルダー名にタブまたは改行が含まれています</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>index.desktop に [KDE Backdeck] グループがありません</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>index.desktop に SVG ファイルの指定がありません</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>カードデザイン「%1」はインストールされていません</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>カードデザイン「%1」は使えません: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1。内蔵のカードを表示します</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>保存されたプロパティ %1 は数値ではありません。</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>カード表面コントロール</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>このプロパティは変更できません。</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>ChangeCard プロパティは 0 から 53 の範囲で指定してください!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>ChangeBack プロパティは 0 から 11 の範囲で指定してください!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>カードの画像 %1 がありません。</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>袖口から出てくるカード (1 コマ目)</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>袖口から出てくるカード (2 コマ目)</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>コウモリ</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>サングラスをかけた太陽の顔</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>舌を出した太陽の顔</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>ロボットの胸のパネル (1 コマ目)</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>ロボットの胸のパネル (2 コマ目)</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>赤のジョーカー</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>黒のジョーカー</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>緑の輪のマーカー</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>赤いバツ印のマーカー</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>カードの裏面</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>カード表面コントロール</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>カードの画像 %1 を読み込めません。</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>番号 %1 のカードはありません。</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>番号 %1 のカードの裏面はありません。</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>SVG ファイル %1 にカード要素 %2 がありません</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>SVG ファイル %1 に 52 のカード要素のうち %2 個がありません (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>SVG 描画モジュールを読み込めません</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>SVG ファイル %1 は有効な SVG 文書ではありません</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>SVG ファイル %1 を展開できません</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>SVG ファイル %1 は展開すると %2 MB を超えます</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>SVG ファイル %1 が途中で切れています</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>SVG ファイル %1 が壊れています (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>SVG ファイル %1 がありません</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>SVG ファイル %1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>SVG ファイル %1 が %2 MB を超えています</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>SVG ファイル %1 を読み込めません (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>SVG ファイル %1 は SVG 文書ではありません</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>SVG ファイル %1 は整形式の XML ではありません (%2 行目: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>SVG ファイル %1 は参照によって要素を %2 回を超えて繰り返しています</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1。引いた枚数: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>まだカードを引いていません</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>リセットしました。まだカードを引いていません</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1。リセットしました。まだカードを引いていません</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 戻る</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>引き方</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>次のカードを表示し、山札に戻さない</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>次のカードを表示し、また引けるように山札に戻す</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>カード置き場</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>山札</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>次のカードを表示</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>カードを全画面で表示</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>結果をこのフォルダーに保存</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>保存先フォルダーを選ぶ</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>カードを画像として保存</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: カードを引く</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>引いた履歴を保存(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>引いた結果の集計(&amp;T)</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>カードを全画面で表示(&amp;F)</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>プロパティの値が不正です</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>山札</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>スペースキーで次のカード、Esc キーで終了</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: 全画面表示</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>引いた結果の集計</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>コントロール配列の要素「%1」は存在しません</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>オブジェクトは既に読み込まれています</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>デザイン時に作成されたコントロールはアンロードできません</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>列の最後の要素しか削除できません</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>カードデザインは変更されませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>カードデザイン(&amp;D)</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: マニュアル</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>設定ファイル %1 のサイズは %2 で、設定ファイルの上限 (%3) を超えています。このファイルは読み込んでいません: Dealwright は既定の設定で動作し、ファイルはそのまま残します。</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>フォルダー %1 に書き込む権限がありません (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>新しいファイル %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>設定「%1」を設定ファイル %2 から読み込めませんでした: %3。</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>設定「%1」を設定ファイル %2 に保存できませんでした: %3。</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>変更する権限がありません (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>プログラムのほかのコピーが変更し続けました</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>ロックファイル %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>ファイルではなくパイプです</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>ファイルではなくソケットです</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>ファイルではなくデバイスです</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>ロックファイル %1 を作成できません: そのフォルダーに書き込む権限がありません (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>プログラムの別のコピーが 1 秒以上ロックしていました</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>型が一致しません: %1 は数値ではありません</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>オーバーフローしました: %1 は整数としては大きすぎます</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>型が一致しません: %1 は真偽値ではありません</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1%2 行目</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>このメッセージのスクリーンショットを %1 までメールでお送りください</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションエラー</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>不明なエラー</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>インデックスが有効範囲にありません (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>%1 がありません: プログラムの表示は英語のままです。</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 が壊れています: プログラムの表示は英語のままです。</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>%1 がありません: Qt のダイアログは英語のままです。</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 が壊れています: Qt のダイアログは英語のままです。</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>Web サイト %1 を開けませんでした: Web ブラウザーを起動できませんでした</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>不正な画像です: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>乱数ライブラリを開始できませんでした</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>プロシージャの呼び出し、または引数が不正です: ランダムに選ぶ範囲の上限は 1 以上にしてください</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>プロシージャの呼び出し、または引数が不正です: システムがデスクトップフォルダーを示していません</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>スキンファイル %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>スキンファイル %1 は有効なスタイルシートではありません: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>デッキ全体</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>出た数</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>期待値</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>次のカード</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>割合</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>引いた回数</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>マーク</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>赤と黒</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>絵札と数札</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>J、Q、K</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>A から 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>絵札</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>数札</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>引いた回数に対する各マークの割合</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>引いたカードを毎回戻す</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>戻さない</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: 引いた結果の集計</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>毎回戻しながら、まとめて何枚も引く:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>10 回引く</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>100 回引く</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>1000 回引く</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>戻しながら %n 回引いて追加します。</numerusform>
        </translation>
    </message>
</context>
</TS>
