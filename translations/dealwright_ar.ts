<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>آس</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>اثنان</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>ثلاثة</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>أربعة</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>خمسة</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>ستة</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>سبعة</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>ثمانية</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>تسعة</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>عشرة</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>ولد</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>ملكة</translation>
    </message>
    <message>
        <source>King</source>
        <translation>ملك</translation>
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
        <translation>البستوني</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>الديناري</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>السباتي</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>القلوب</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>آس البستوني</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>اثنان البستوني</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>ثلاثة البستوني</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>أربعة البستوني</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>خمسة البستوني</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>ستة البستوني</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>سبعة البستوني</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>ثمانية البستوني</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>تسعة البستوني</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>عشرة البستوني</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>ولد البستوني</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>ملكة البستوني</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>ملك البستوني</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>آس الديناري</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>اثنان الديناري</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>ثلاثة الديناري</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>أربعة الديناري</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>خمسة الديناري</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>ستة الديناري</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>سبعة الديناري</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>ثمانية الديناري</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>تسعة الديناري</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>عشرة الديناري</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>ولد الديناري</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>ملكة الديناري</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>ملك الديناري</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>آس السباتي</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>اثنان السباتي</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>ثلاثة السباتي</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>أربعة السباتي</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>خمسة السباتي</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>ستة السباتي</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>سبعة السباتي</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>ثمانية السباتي</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>تسعة السباتي</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>عشرة السباتي</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>ولد السباتي</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>ملكة السباتي</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>ملك السباتي</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>آس القلوب</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>اثنان القلوب</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>ثلاثة القلوب</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>أربعة القلوب</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>خمسة القلوب</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>ستة القلوب</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>سبعة القلوب</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>ثمانية القلوب</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>تسعة القلوب</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>عشرة القلوب</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>ولد القلوب</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>ملكة القلوب</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>ملك القلوب</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;دليل الاستخدام</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>&amp;عن Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>عن &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

يسحب أوراق لعب عشوائية، ورقةً ورقة أو دفعةً واحدة، ويُري الصف معنى السحب: حصيلته إلى جانب ما تعطيه الصدفة.

صادر بموجب رخصة MIT.
%2

مؤلفو Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>عن Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>The direction of this language&apos;s script: &quot;LTR&quot; (left to right) or &quot;RTL&quot; (right to left, as Arabic is written). The windows mirror for &quot;RTL&quot;.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>TallyText</name>
    <message>
        <source>%1 %</source>
        <extracomment>A percentage: %1 is the number (&quot;23.4&quot;).</extracomment>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <extracomment>The chance of the next card: %1 cards of %2 left, %3 the percentage.</extracomment>
        <translation>%1 من %2، %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: لم يبقَ أي ورقة</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %2 من %3، %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: لم تُسحب أي ورقة</numerusform>
            <numerusform>%1: سُحبت ورقة واحدة</numerusform>
            <numerusform>%1: سُحبت ورقتان</numerusform>
            <numerusform>%1: سُحبت %n أوراق</numerusform>
            <numerusform>%1: سُحبت %n ورقة</numerusform>
            <numerusform>%1: سُحبت %n ورقة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: المتوقع %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: لم تُسحب أي ورقة، والمتوقع %2</numerusform>
            <numerusform>%1: سُحبت ورقة واحدة، والمتوقع %2</numerusform>
            <numerusform>%1: سُحبت ورقتان، والمتوقع %2</numerusform>
            <numerusform>%1: سُحبت %n أوراق، والمتوقع %2</numerusform>
            <numerusform>%1: سُحبت %n ورقة، والمتوقع %2</numerusform>
            <numerusform>%1: سُحبت %n ورقة، والمتوقع %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 من السحبات</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: لم تُسحب</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: السحبة رقم %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>الأوراق الباقية من كل لون: البستوني %1، الديناري %2، السباتي %3، القلوب %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>السحبات منذ آخر إعادة ضبط: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>لم يبقَ أي ورقة</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>الأوراق الباقية: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>يلزم مزيد من السحبات: يصدر الحكم على الألوان ابتداءً من %1 سحبة، ولم يبقَ شيء.</numerusform>
            <numerusform>يلزم مزيد من السحبات: يصدر الحكم على الألوان ابتداءً من %1 سحبة، وبقيت سحبة واحدة.</numerusform>
            <numerusform>يلزم مزيد من السحبات: يصدر الحكم على الألوان ابتداءً من %1 سحبة، وبقيت سحبتان.</numerusform>
            <numerusform>يلزم مزيد من السحبات: يصدر الحكم على الألوان ابتداءً من %1 سحبة، وبقيت %n سحبات.</numerusform>
            <numerusform>يلزم مزيد من السحبات: يصدر الحكم على الألوان ابتداءً من %1 سحبة، وبقيت %n سحبة.</numerusform>
            <numerusform>يلزم مزيد من السحبات: يصدر الحكم على الألوان ابتداءً من %1 سحبة، وبقيت %n سحبة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>غير معتاد لرزمة عادلة (مربع كاي %1، p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>غير معتاد لرزمة عادلة (مربع كاي %1، p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>متوافق مع رزمة عادلة (مربع كاي %1، p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>يقارن الحكم الألوان الأربعة بما تعطيه رزمة عادلة بالمصادفة. ويقول «غير معتاد» حين تقل فرصة ظهور نتيجة بهذا التفاوت عن مرة في كل مئة، لذلك تظهر كلمة «غير معتاد» حتى مع رزمة عادلة مرة تقريبًا في كل مئة نظرة.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>الطريقة القديمة</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>الطريقة الجديدة</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: اختر طريقة السحب</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>يفتح نافذة السحب: الأوراق واحدة تلو الأخرى، مع إعادة كل منها أو دون إعادة.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>يفتح نافذة الدفعات: دفعة تصل إلى 52 ورقة مختلفة في آن واحد.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>يسحب أوراق لعب عشوائية من رزمة قياسية من 52 ورقة.
يفتح نوافذه إن لم تُعطَ خيارات؛ ومع --batch يسحب دفعة من الأوراق
المختلفة ويحفظها ملفات صور نقطية دون أي نافذة.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>يسحب &lt;العدد&gt; من الأوراق المختلفة (حتى 52) ويحفظها باسم «Card N.bmp».</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>العدد</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>المجلد الموجود الذي يستقبل ملفات --batch.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>المجلد</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>صيغة الملفات مع --batch: ‏bmp (الافتراضية) أو png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>الصيغة</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>ارتفاع الأوراق بالبكسل مع --batch، من 96 (الافتراضي) إلى 4320؛ ويحافظ العرض على تناسب الورقة (777 مع 1050).</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>البكسلات</translation>
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
مثال: أوراق للطباعة، ورقة بوكر بدقة 300 نقطة في البوصة:
  dealwright --batch 52 --out ~/cards --format png --height 1050

حالة الخروج مع --batch: ‏0 حين تُكتب كل الملفات، و1 حين يتعذر كتابة ملف
(وتُكتب الملفات الأخرى مع ذلك)، و2 لعدد أو صيغة أو ارتفاع غير صالح،
أو مجلد لا يصلح، أو سطر أوامر خاطئ.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>معامل غير متوقع «%1».</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>لا يُعطى كل من --batch و--out و--format و--height إلا مرة واحدة.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>لا يُستخدم --format و--height إلا مع --batch العدد.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>يحتاج --batch إلى --out المجلد.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>لا يُستخدم --out إلا مع --batch العدد.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: يجب أن تكون الصيغة bmp أو png.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: يجب أن يكون عددًا صحيحًا من البكسلات من %2 إلى %3.</translation>
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
        <translation>جرّب «dealwright --help» لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>تصميم الأوراق: اسم مجلد مجموعة أوراق مثبتة (يعرضها --list-designs) أو dealwright للأوراق المدمجة، لهذا التشغيل فقط. تعرضه النوافذ؛ ويرسم به --batch الأوراق التي يزيد ارتفاعها على 96 بكسل.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>يسرد تصاميم الأوراق التي يمكن استخدامها: المجلد والاسم والتعليق، مفصولة بعلامات جدولة، تصميم واحد في كل سطر، والأوراق المدمجة أولًا.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>لا يُعطى --design إلا مرة واحدة.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>يُستخدم --list-designs دون خيارات أخرى.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1؛ تُرسم الأوراق بالتصميم المدمج</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>تعذر فتح النوافذ: لا يمكن الوصول إلى أي خادم عرض أو شاشة (DISPLAY أو WAYLAND_DISPLAY أو QT_QPA_PLATFORM)؛ تعمل --batch و--help و--version دون شاشة</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>شريط التقدم</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>تقدم السحب</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>ابدأ سحب أوراق لعب عشوائية</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>عدد الأوراق المطلوبة</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>معاينة</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>احفظ كل الأوراق صورًا</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>احفظ الورقة المحددة صورة</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>احفظ النتائج في هذا المجلد</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>اختر مجلد الحفظ</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>الأوراق المسحوبة</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; رجوع</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>الأوراق المسحوبة</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>استدعاء إجراء أو معامل غير صالح: «%1» لا يدل على أي ورقة</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: دفعة من الأوراق</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>أ&amp;غلق</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>الأوراق المسحوبة</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>batch::CardExport</name>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>المجلد غير موجود. يرجى اختيار مجلد آخر.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>لم تُحدَّد أي ورقة.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>تم.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>يرجى اختيار مجلد:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>لا توجد صورة لحفظها</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>تعذرت كتابة الصورة صورةً نقطية: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>تعذر بدء كتابة PNG</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>تعذر ترميز الورقة بصيغة PNG</translation>
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
        <translation>يجب أن تكون القيمة رقمية.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>يُسمح بما يصل إلى 52 ورقة</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>الورقة %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>تعذر حفظ سجل السحب باسم «%1»: %2.
يبقى أي ملف موجود هناك كما كان.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>احفظ سجل السحب</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>الأوراق المسحوبة: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>الفهرس خارج النطاق: لم يبدأ سجل السحب بعد</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>الفهرس خارج النطاق</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>نفدت الأوراق، يرجى إعادة الضبط.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>أوراق البرنامج نفسه، واضحة بأي حجم</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>أُهمل تصميم الأوراق %1: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>ملف index.desktop الخاص به مفقود</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>ملف index.desktop الخاص به ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>ملف index.desktop الخاص به أكبر من 1 ميغابايت</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>تتعذر قراءة ملف index.desktop الخاص به (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>اسم مجلده يحتوي على مسافة جدولة أو فاصل أسطر</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>ملف index.desktop الخاص به لا يحتوي على المجموعة [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>ملف index.desktop الخاص به لا يذكر أي ملف SVG</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>لا يوجد تصميم أوراق مثبت باسم «%1»</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>يتعذر استخدام تصميم الأوراق «%1»: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1؛ تُعرض الأوراق المدمجة</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>الخاصية المحفوظة %1 ليست رقمًا.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>عنصر وجه الورقة</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>لا يمكنك تغيير هذه الخاصية.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>يجب أن تكون الخاصية ChangeCard من 0 إلى 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>يجب أن تكون الخاصية ChangeBack من 0 إلى 11!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>صورة الورقة %1 مفقودة.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>ورقة تخرج من كُمّ، الإطار الأول</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>ورقة تخرج من كُمّ، الإطار الثاني</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>خفافيش</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>وجه شمس بنظارة شمسية</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>وجه شمس يُخرج لسانه</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>لوحة صدر روبوت، الإطار الأول</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>لوحة صدر روبوت، الإطار الثاني</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>الجوكر الأحمر</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>الجوكر الأسود</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>علامة حلقة خضراء</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>علامة صليب أحمر</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>ظهر الورقة</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>عنصر وجه الورقة</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>تتعذر قراءة صورة الورقة %1.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>لا توجد ورقة رقمها %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>لا يوجد ظهر ورقة رقمه %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>ملف SVG الخاص به %1 ينقصه عنصر الورقة %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>ملف SVG الخاص به %1 ينقصه %2 من عناصر الأوراق الـ52 (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>يتعذر تحميل وحدة عرض SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>ملف SVG الخاص به %1 ليس مستند SVG صالحًا</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>يتعذر فك ضغط ملف SVG الخاص به %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>ملف SVG الخاص به %1 أكبر من %2 ميغابايت بعد فك الضغط</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>ملف SVG الخاص به %1 مبتور</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>ملف SVG الخاص به %1 تالف (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>ملف SVG الخاص به %1 مفقود</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>ملف SVG الخاص به %1 ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>ملف SVG الخاص به %1 أكبر من %2 ميغابايت</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>تتعذر قراءة ملف SVG الخاص به %1 (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>ملف SVG الخاص به %1 ليس مستند SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>ملف SVG الخاص به %1 ليس XML سليم البنية (السطر %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>ملف SVG الخاص به %1 يكرر عناصره عبر الإحالات أكثر من %2 مرة</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. الأوراق المسحوبة: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>لم تُسحب أي ورقة</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>أُعيد الضبط. لم تُسحب أي ورقة</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. أُعيد الضبط. لم تُسحب أي ورقة</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; رجوع</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>طريقة السحب</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>اعرض الورقة التالية ولا تُعِدها إلى الرزمة</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>اعرض الورقة التالية ثم أعِدها إلى الرزمة لعلها تُسحب مرة أخرى</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>منطقة الأوراق</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>الرزمة</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>اعرض الورقة التالية</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة الضبط</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>اعرض الأوراق على ملء الشاشة</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>احفظ النتائج في هذا المجلد</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>اختر مجلد الحفظ</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>احفظ الورقة صورة</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: سحب الأوراق</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>احفظ &amp;سجل السحب...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>أ&amp;غلق</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;حصيلة السحبات</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>اعرض الأوراق على &amp;ملء الشاشة</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>قيمة خاصية غير صالحة</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>الرزمة</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>اضغط «مسافة» لعرض الورقة التالية و«Esc» للخروج</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: ملء الشاشة</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>حصيلة السحبات</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>العنصر «%1» من مصفوفة عناصر التحكم غير موجود</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>الكائن محمّل بالفعل</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>لا يمكن إزالة عناصر تحكم أُنشئت وقت التصميم</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>لا يمكن إزالة إلا العنصر الأخير من الصف</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>لم يتغير تصميم الأوراق: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;تصميم الأوراق</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: دليل الاستخدام</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>دليل الاستخدام</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>حجم ملف الإعدادات %1 هو %2، وهو أكبر مما يُسمح به لملف الإعدادات (%3). لم يُقرأ الملف: يعمل Dealwright بإعداداته الافتراضية ويترك الملف كما هو.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>لا يوجد إذن بالكتابة في المجلد %1 (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>الملف الجديد %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>تعذرت قراءة الإعداد «%1» من ملف الإعدادات %2: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>تعذر حفظ الإعداد «%1» في ملف الإعدادات %2: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>لا يوجد إذن بتغييره (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>ظلت نسخ أخرى من البرنامج تغيّره</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>ملف القفل %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>إنه مجلد وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>إنه أنبوب وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>إنه مقبس وليس ملفًا</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>إنه جهاز وليس ملفًا</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ليس مجلدًا</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>يتعذر إنشاء ملف القفل %1: لا يوجد إذن بالكتابة في مجلده (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>أبقته نسخة أخرى من البرنامج مقفلًا أكثر من ثانية</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>عدم تطابق النوع: %1 ليس رقمًا</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>تجاوز السعة: %1 أكبر من أن يكون عددًا صحيحًا</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>عدم تطابق النوع: %1 ليس قيمة منطقية</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1في السطر %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>يرجى إرسال لقطة شاشة لهذه الرسالة بالبريد الإلكتروني إلى %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>خطأ في التطبيق</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>نفدت الذاكرة</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>الفهرس خارج النطاق (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>%1 مفقود: تبقى نصوص البرنامج بالإنجليزية.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 تالف: تبقى نصوص البرنامج بالإنجليزية.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>%1 مفقود: تبقى مربعات حوار Qt بالإنجليزية.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 تالف: تبقى مربعات حوار Qt بالإنجليزية.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>تعذر فتح الموقع %1: تعذر تشغيل أي متصفح ويب</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>صورة غير صالحة: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>تعذر تشغيل مكتبة الأرقام العشوائية</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>استدعاء إجراء أو معامل غير صالح: يجب ألا يقل حد الاختيار العشوائي عن 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>استدعاء إجراء أو معامل غير صالح: لا يحدد النظام أي مجلد لسطح المكتب</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>تتعذر قراءة ملف المظهر %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>ملف المظهر %1 ليس ورقة أنماط صالحة: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>الرزمة</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>المسحوب</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>المتوقع</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>الورقة التالية</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>النسبة</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>رقم السحبة</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>الأحمر والأسود</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>أوراق الصور وأوراق الأرقام</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>J، Q، K</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>من A إلى 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>أوراق الصور</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>أوراق الأرقام</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>الرتب</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>نسبة كل لون على امتداد السحبات</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>مع إعادة كل ورقة</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>دون إعادة</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: حصيلة السحبات</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>اسحب أوراقًا كثيرة دفعة واحدة مع إعادة كل منها:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>اسحب 10</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>اسحب 100</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>اسحب 1000</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>لا يضيف أي سحبة.</numerusform>
            <numerusform>يضيف سحبة واحدة مع الإعادة.</numerusform>
            <numerusform>يضيف سحبتين مع الإعادة.</numerusform>
            <numerusform>يضيف %n سحبات مع الإعادة.</numerusform>
            <numerusform>يضيف %n سحبة مع الإعادة.</numerusform>
            <numerusform>يضيف %n سحبة مع الإعادة.</numerusform>
        </translation>
    </message>
</context>
</TS>
