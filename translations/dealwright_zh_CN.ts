<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>A</translation>
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
        <translation>J</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>King</source>
        <translation>K</translation>
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
        <translation>黑桃</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>方块</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>梅花</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>红桃</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>黑桃A</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>黑桃2</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>黑桃3</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>黑桃4</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>黑桃5</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>黑桃6</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>黑桃7</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>黑桃8</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>黑桃9</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>黑桃10</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>黑桃J</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>黑桃Q</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>黑桃K</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>方块A</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>方块2</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>方块3</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>方块4</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>方块5</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>方块6</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>方块7</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>方块8</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>方块9</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>方块10</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>方块J</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>方块Q</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>方块K</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>梅花A</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>梅花2</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>梅花3</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>梅花4</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>梅花5</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>梅花6</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>梅花7</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>梅花8</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>梅花9</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>梅花10</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>梅花J</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>梅花Q</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>梅花K</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>红桃A</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>红桃2</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>红桃3</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>红桃4</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>红桃5</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>红桃6</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>红桃7</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>红桃8</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>红桃9</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>红桃10</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>红桃J</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>红桃Q</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>红桃K</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>手册(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>关于 Dealwright(&amp;A)</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>关于 Qt(&amp;Q)</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

随机抽取扑克牌，可逐张抽取，也可批量抽取，并向全班展示抽牌的含义：把抽牌统计与随机情况下的预期并列对照。

按 MIT 许可证发布。
%2

Dealwright 作者</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>关于 Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
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
        <translation>%2 张中的 %1 张，%3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1：已无剩余</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1：%3 张中的 %2 张，%4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1：已抽 %n 张</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1：预期 %2 张</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1：已抽 %n 张，预期 %2 张</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1：占抽牌的 %2</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1：未抽到</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1：第 %2 次抽到</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>各花色剩余：黑桃 %1，方块 %2，梅花 %3，红桃 %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>自上次重置以来的抽牌次数：%1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>已无剩余牌</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>剩余牌数：%1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>需要更多次抽牌：抽满 %1 次后才给出花色结论，还差 %n 次。</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>对公平的牌而言不寻常（卡方 %1，p&#xa0;&lt;&#xa0;%2）</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>对公平的牌而言不寻常（卡方 %1，p&#xa0;=&#xa0;%2）</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>与公平的牌相符（卡方 %1，p&#xa0;=&#xa0;%2）</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>该结论把四种花色与一副公平的牌随机产生的结果相比较。当如此不均的结果出现的机会不到百分之一时，结论为“不寻常”；因此即使是公平的牌，大约每看一百次也会有一次显示“不寻常”。</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>旧方法</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>新方法</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1：选择抽牌方式</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>打开抽牌窗口：一次抽一张牌，每张可放回或不放回。</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>打开批量窗口：一次抽出最多 52 张互不相同的牌。</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>从一副标准的 52 张扑克牌中随机抽牌。
不带选项时打开窗口；使用 --batch 时不打开任何窗口，
抽出一批互不相同的牌并保存为位图文件。</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>抽出 &lt;数量&gt; 张互不相同的牌（最多 52 张），并保存为“Card N.bmp”。</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>数量</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>接收 --batch 所生成文件的现有文件夹。</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>--batch 所生成文件的格式：bmp（默认）或 png。</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>格式</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>--batch 所生成牌的高度（像素），从 96（默认）到 4320；宽度保持牌的比例（高 1050 时宽 777）。</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>像素</translation>
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
示例：用于打印的牌，300 dpi 的扑克牌：
  dealwright --batch 52 --out ~/cards --format png --height 1050

--batch 的退出状态：所有文件均已写入时为 0；有文件无法写入时为 1
（其他文件仍会写入）；数量、格式或高度错误、文件夹不可用
或命令行有误时为 2。
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch、--out、--format 和 --height 各只能给出一次。</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format 和 --height 只能与 --batch 数量 一起使用。</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch 需要 --out 文件夹。</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out 只能与 --batch 数量 一起使用。</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1：必须是 bmp 或 png。</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1：必须是 %2 到 %3 之间的整数像素。</translation>
    </message>
    <message>
        <source>--batch %1: %2</source>
        <extracomment>%1 is the value given to --batch, %2 what is wrong with it (&quot;Up to 52 cards allowed&quot;).</extracomment>
        <translation>--batch %1：%2</translation>
    </message>
    <message>
        <source>--out %1: %2</source>
        <extracomment>%1 is the folder given to --out, %2 what is wrong with it.</extracomment>
        <translation>--out %1：%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card file that could not be made: %1 is its path, %2 the reason.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Try &apos;dealwright --help&apos; for more information.</source>
        <translation>请运行“dealwright --help”获取更多信息。</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>纸牌样式：已安装的纸牌套组的文件夹名（--list-designs 会列出它们），或表示内置的牌的 dealwright，仅对本次运行有效。窗口以它显示；--batch 以它绘制高于 96 像素的牌。</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>列出可用的纸牌样式：文件夹、名称和说明，以制表符分隔，每行一种样式，内置的牌在最前。</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design 只能给出一次。</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs 不与其他选项一起使用。</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1：%2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1；牌以内置样式绘制</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>无法打开窗口：无法连接任何显示或屏幕（DISPLAY、WAYLAND_DISPLAY、QT_QPA_PLATFORM）；--batch、--help 和 --version 无需显示也能使用</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>进度条</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>抽牌进度</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>开始随机抽牌</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>抽牌数量</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>将所有牌保存为图片</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>将选中的牌保存为图片</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>将结果保存到此文件夹</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>选择保存的文件夹</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>抽出的牌</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 返回</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>抽出的牌</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>无效的过程调用或参数：“%1”不代表任何牌</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1：批量抽牌</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>抽出的牌</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>batch::CardExport</name>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>文件夹不存在。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>未选择任何牌。</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>完成。</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>请选择文件夹：</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>没有可保存的图片</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>无法将图片写为位图：%1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>无法启动 PNG 写入</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>无法将牌编码为 PNG</translation>
    </message>
</context>
<context>
    <name>batch::FileBatch</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A card file that could not be written: %1 is its path, %2 the system&apos;s reason.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>batch::Generation</name>
    <message>
        <source>Must be a numerical value.</source>
        <translation>必须是数值。</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>最多允许 52 张牌</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>第 %1 张</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>无法将抽牌记录保存为“%1”：%2。
原有的同名文件保持不变。</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>保存抽牌记录</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>已抽牌数：%1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>下标越界：抽牌记录尚未开始</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>牌已抽完，请重置。</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>程序自带的牌，任何尺寸都清晰</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>已略过纸牌样式 %1：%2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>缺少其 index.desktop</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>其 index.desktop 不是普通文件</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>其 index.desktop 超过 1 MB</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>无法读取其 index.desktop（%1）</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>其文件夹名称含有制表符或换行符</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>其 index.desktop 没有 [KDE Backdeck] 组</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>其 index.desktop 未指定 SVG 文件</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>未安装纸牌样式“%1”</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>无法使用纸牌样式“%1”：%2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1；显示内置的牌</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>保存的属性 %1 不是数字。</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>牌面控件</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>无法更改此属性。</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>ChangeCard 属性必须在 0 到 53 之间！</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>ChangeBack 属性必须在 0 到 11 之间！</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>缺少牌的图片 %1。</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>从袖口里出来的牌，第一帧</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>从袖口里出来的牌，第二帧</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>蝙蝠</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>戴墨镜的太阳脸</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>吐舌头的太阳脸</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>机器人胸前面板，第一帧</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>机器人胸前面板，第二帧</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>大王</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>小王</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>绿色圆环标记</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>红色叉号标记</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>牌背</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>牌面控件</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>无法读取牌的图片 %1。</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>没有编号为 %1 的牌。</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>没有编号为 %1 的牌背。</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>其 SVG 文件 %1 缺少牌元素 %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>其 SVG 文件 %1 缺少 52 个牌元素中的 %2 个（%3）</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>无法加载 SVG 渲染模块</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>其 SVG 文件 %1 不是有效的 SVG 文档</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>无法解压其 SVG 文件 %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>其 SVG 文件 %1 解压后超过 %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>其 SVG 文件 %1 被截断</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>其 SVG 文件 %1 已损坏（%2）</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>缺少其 SVG 文件 %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>其 SVG 文件 %1 不是普通文件</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>其 SVG 文件 %1 超过 %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>无法读取其 SVG 文件 %1（%2）</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>其 SVG 文件 %1 不是 SVG 文档</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>其 SVG 文件 %1 不是格式正确的 XML（第 %2 行：%3）</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>其 SVG 文件 %1 通过引用重复其元素超过 %2 次</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1。已抽牌数：%2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>尚未抽牌</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>已重置。尚未抽牌</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1。已重置。尚未抽牌</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; 返回</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>抽牌方式</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>显示下一张牌，且不放回牌堆</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>显示下一张牌，然后放回牌堆，使其可能再次被抽到</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>牌区</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>牌堆</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>显示下一张牌</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>全屏显示牌</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>将结果保存到此文件夹</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>选择保存的文件夹</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>将牌保存为图片</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1：抽牌</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>保存抽牌记录(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>抽牌统计(&amp;T)</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>全屏显示牌(&amp;F)</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>牌堆</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>按空格键显示下一张牌，按 Esc 键退出</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1：全屏</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>抽牌统计</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>控件数组元素“%1”不存在</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>对象已加载</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>无法卸载设计时创建的控件</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>只能移除这一排的最后一个元素</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>纸牌样式未更改：%1。</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>纸牌样式(&amp;D)</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright：手册</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手册</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>设置文件 %1 的大小为 %2，超过了设置文件允许的大小（%3）。该文件未被读取：Dealwright 使用默认设置运行，并保持该文件不变。</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>没有写入文件夹 %1 的权限（%2）</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>新文件 %1：%2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>无法从设置文件 %2 中读取设置“%1”：%3。</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>无法将设置“%1”保存到设置文件 %2 中：%3。</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>没有更改它的权限（%1）</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>程序的其他副本不断更改它</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>锁文件 %1：%2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>它是文件夹，不是文件</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>它是管道，不是文件</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>它是套接字，不是文件</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>它是设备，不是文件</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>无法创建锁文件 %1：没有写入其所在文件夹的权限（%2）</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>程序的另一个副本将它锁定了一秒以上</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>类型不匹配：%1 不是数字</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>溢出：%1 对整数而言太大</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>类型不匹配：%1 不是逻辑值</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1第 %2 行</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>请将此消息的截图通过电子邮件发送至 %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>下标越界（%1）</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>缺少 %1：程序的文字保持英文。</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 已损坏：程序的文字保持英文。</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>缺少 %1：Qt 自带的对话框保持英文。</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 已损坏：Qt 自带的对话框保持英文。</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>无法打开网站 %1：无法启动任何网页浏览器</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>无效的图片：%1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>无法启动随机数库</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>无效的过程调用或参数：随机选取的上限必须至少为 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>无效的过程调用或参数：系统未指定桌面文件夹</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>无法读取皮肤文件 %1：%2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>皮肤文件 %1 不是有效的样式表：%2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>整副牌</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>已抽</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>预期</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>下一张</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>抽牌次序</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>花色</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>红与黑</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>人头牌与数字牌</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>J、Q、K</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>A 到 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>人头牌</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>数字牌</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>各花色在抽牌过程中的占比</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>每张牌都放回</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>不放回</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright：抽牌统计</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>一次抽多张牌，每张都放回：</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>抽 10 次</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>抽 100 次</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>抽 1000 次</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>增加 %n 次放回抽牌。</numerusform>
        </translation>
    </message>
</context>
</TS>
