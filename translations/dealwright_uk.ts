<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>Туз</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Двійка</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Трійка</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Четвірка</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>П’ятірка</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Шістка</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Сімка</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Вісімка</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Дев’ятка</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Десятка</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Валет</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Дама</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Король</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The short sign of the ace, as a card&apos;s corner shows it.</extracomment>
        <translation>Т</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The short sign of the jack, as a card&apos;s corner shows it.</extracomment>
        <translation>В</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The short sign of the queen, as a card&apos;s corner shows it.</extracomment>
        <translation>Д</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The short sign of the king, as a card&apos;s corner shows it.</extracomment>
        <translation>К</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Піки</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Бубни</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Трефи</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Черви</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Піковий туз</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Пікова двійка</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Пікова трійка</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Пікова четвірка</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Пікова п’ятірка</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Пікова шістка</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Пікова сімка</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Пікова вісімка</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Пікова дев’ятка</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Пікова десятка</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Піковий валет</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Пікова дама</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Піковий король</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Бубновий туз</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Бубнова двійка</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Бубнова трійка</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Бубнова четвірка</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Бубнова п’ятірка</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Бубнова шістка</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Бубнова сімка</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Бубнова вісімка</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Бубнова дев’ятка</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Бубнова десятка</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Бубновий валет</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Бубнова дама</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Бубновий король</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Трефовий туз</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Трефова двійка</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Трефова трійка</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Трефова четвірка</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Трефова п’ятірка</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Трефова шістка</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Трефова сімка</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Трефова вісімка</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Трефова дев’ятка</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Трефова десятка</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Трефовий валет</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Трефова дама</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Трефовий король</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Червовий туз</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Червова двійка</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Червова трійка</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Червова четвірка</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Червова п’ятірка</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Червова шістка</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Червова сімка</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Червова вісімка</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Червова дев’ятка</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Червова десятка</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Червовий валет</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Червова дама</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Червовий король</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червоні</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чорні</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>По&amp;сібник</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>&amp;Про Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Про &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Витягує випадкові гральні карти, по одній або набором, і показує класу, що означає витягання: його підсумок поруч із тим, що дає випадок.

Розповсюджується за ліцензією MIT.
%2

Автори Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>Про Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Перегляд</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
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
        <translation>%1 з %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: карт не лишилося</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %2 з %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: витягнуто %n</numerusform>
            <numerusform>%1: витягнуто %n</numerusform>
            <numerusform>%1: витягнуто %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: очікувано %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: витягнуто %n, очікувано %2</numerusform>
            <numerusform>%1: витягнуто %n, очікувано %2</numerusform>
            <numerusform>%1: витягнуто %n, очікувано %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 витягань</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: не витягнуто</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: витягання № %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Лишилося карт кожної масті: піки %1, бубни %2, трефи %3, черви %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Витягань від останнього скидання: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>Карт не лишилося</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Лишилося карт: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>Потрібно більше витягань: висновок щодо мастей з’явиться від %1 витягань, лишилося ще %n.</numerusform>
            <numerusform>Потрібно більше витягань: висновок щодо мастей з’явиться від %1 витягань, лишилося ще %n.</numerusform>
            <numerusform>Потрібно більше витягань: висновок щодо мастей з’явиться від %1 витягань, лишилося ще %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Незвично для чесної колоди (хі-квадрат %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Незвично для чесної колоди (хі-квадрат %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Узгоджується з чесною колодою (хі-квадрат %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>Висновок порівнює чотири масті з тим, що чесна колода дає випадково. Він каже «незвично», коли такий нерівний результат трапляється рідше ніж раз на сто, тож навіть чесна колода показує «незвично» приблизно раз на сто переглядів.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Старий спосіб</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Новий спосіб</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: виберіть спосіб витягання</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Відкриває вікно витягання: карти по одній, з поверненням кожної або без.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Відкриває вікно наборів: набір до 52 різних карт за раз.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Витягує випадкові гральні карти зі звичайної колоди з 52 карт.
Без параметрів відкриває свої вікна; з --batch витягує набір різних
карт і зберігає їх як файли bitmap, без жодного вікна.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Витягує &lt;кількість&gt; різних карт (до 52) і зберігає їх як «Card N.bmp».</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>кількість</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>Наявна тека, до якої потрапляють файли --batch.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>тека</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>Формат файлів з --batch: bmp (типово) або png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>формат</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>Висота карт у пікселях з --batch, від 96 (типово) до 4320; ширина зберігає пропорції карти (777 для 1050).</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>пікселі</translation>
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
Приклад: карти для друку, покерна карта з роздільністю 300 dpi:
  dealwright --batch 52 --out ~/карти --format png --height 1050

Код виходу --batch: 0, якщо записано всі файли, 1, якщо якийсь файл не вдалося
записати (решту все одно записано), 2 для хибної кількості, формату чи висоти,
непридатної теки або помилкового рядка команди.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format і --height можна вказати лише раз кожен.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format і --height діють лише з --batch КІЛЬКІСТЬ.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch потребує --out ТЕКА.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out діє лише з --batch КІЛЬКІСТЬ.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: має бути bmp або png.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: має бути цілою кількістю пікселів від %2 до %3.</translation>
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
        <translation>Докладніше — «dealwright --help».</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>Дизайн карт: назва теки встановленої колоди (--list-designs показує їх) або dealwright для вбудованих карт, лише для цього запуску. Вікна показують його; --batch малює в ньому карти понад 96 пікселів.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>назва</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Виводить дизайни карт, які можна використати: теку, назву й коментар, розділені табуляціями, по одному дизайну в рядку, спершу вбудовані карти.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design можна вказати лише раз.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs вказують без інших параметрів.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1; карти малюються у вбудованому дизайні</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>не вдається відкрити вікна: жоден дисплей чи екран не доступний (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help і --version працюють без них</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Смуга поступу</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Поступ витягання</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Витягнути випадкові гральні карти</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Кількість карт</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Перегляд</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Зберегти всі карти як зображення</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Зберегти вибрану карту як зображення</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Зберігати результати в цій теці</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Вибрати теку для збереження</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Витягнуті карти</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Витягнуті карти</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Неправильний виклик процедури або аргумент: «%1» не позначає жодної карти</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: набір карт</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Витягнуті карти</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>batch::CardExport</name>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Теки не існує. Виберіть іншу теку.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Карту не вибрано.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Виберіть теку:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>Немає зображення для збереження</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>Не вдалося записати зображення як bitmap: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>Не вдалося запустити запис PNG</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>Не вдалося закодувати карту як PNG</translation>
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
        <translation>Має бути числове значення.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>Дозволено щонайбільше 52 карти</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>Карта %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>Не вдалося зберегти історію витягань як «%1»: %2.
Файл, який уже там був, залишається без змін.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Зберегти історію витягань</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файли CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Витягнуто карт: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>Індекс поза діапазоном: історію витягань ще не розпочато</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Індекс поза діапазоном</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>Карти скінчилися, скиньте, будь ласка.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>Власні карти програми, чіткі за будь-якого розміру</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>дизайн карт %1 пропущено: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>немає його файла index.desktop</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>його index.desktop не є звичайним файлом</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>його index.desktop більший за 1 МБ</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>не вдається прочитати його index.desktop (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>назва його теки містить табуляцію або розрив рядка</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>його index.desktop не має групи [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>його index.desktop не вказує жодного файла SVG</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>дизайн карт «%1» не встановлено</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>дизайн карт «%1» не можна використати: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1; показано вбудовані карти</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>Збережена властивість %1 не є числом.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Елемент лицьового боку карти</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Цю властивість не можна змінити.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>Властивість ChangeCard має бути від 0 до 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>Властивість ChangeBack має бути від 0 до 11!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>Бракує зображення карти %1.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Карта виходить з манжети, перший кадр</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Карта виходить з манжети, другий кадр</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Кажани</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Сонечко в сонцезахисних окулярах</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Сонечко з висунутим язиком</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Панель на грудях робота, перший кадр</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Панель на грудях робота, другий кадр</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Червоний джокер</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Чорний джокер</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Позначка — зелене кільце</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Позначка — червоний хрестик</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Сорочка карти</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Елемент лицьового боку карти</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>Не вдається прочитати зображення карти %1.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>Немає карти з номером %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>Немає сорочки з номером %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>у його файлі SVG %1 бракує елемента карти %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>у його файлі SVG %1 бракує %2 з 52 елементів карт (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>не вдається завантажити модуль відтворення SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>його файл SVG %1 не є правильним документом SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>не вдається розпакувати його файл SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>його файл SVG %1 після розпакування більший за %2 МБ</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>його файл SVG %1 обрізано</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>його файл SVG %1 пошкоджено (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>немає його файла SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>його файл SVG %1 не є звичайним файлом</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>його файл SVG %1 більший за %2 МБ</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>не вдається прочитати його файл SVG %1 (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>його файл SVG %1 не є документом SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>його файл SVG %1 не є правильно сформованим XML (рядок %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>його файл SVG %1 повторює свої елементи через посилання понад %2 разів</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Витягнуто карт: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>Жодної карти не витягнуто</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Скинуто. Жодної карти не витягнуто</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Скинуто. Жодної карти не витягнуто</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Спосіб витягання</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Показати наступну карту й не повертати її в колоду</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Показати наступну карту, а потім повернути її в колоду, щоб її можна було витягнути знову</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Місце для карт</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Колода</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Показати наступну карту</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Показати карти на весь екран</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Зберігати результати в цій теці</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Вибрати теку для збереження</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Зберегти карту як зображення</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: витягання карт</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>Зберегти &amp;історію витягань...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Підсумок витягань</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Показати карти на &amp;весь екран</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Неправильне значення властивості</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Колода</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Пропуск — наступна карта, Esc — вихід</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: на весь екран</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Підсумок витягань</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Елемента «%1» масиву елементів керування не існує</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Об’єкт уже завантажено</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Не можна вивантажити елементи керування, створені під час проєктування</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Вилучити можна лише останній елемент ряду</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>Дизайн карт не змінено: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Дизайн карт</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: посібник</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Посібник</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>Файл параметрів %1 має розмір %2, більший, ніж дозволено для файла параметрів (%3). Його не прочитано: Dealwright працює з типовими параметрами й залишає файл без змін.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>немає дозволу на запис у теку %1 (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>новий файл %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Не вдалося прочитати параметр «%1» з файла параметрів %2: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Не вдалося зберегти параметр «%1» у файлі параметрів %2: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>немає дозволу його змінювати (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>інші копії програми постійно його змінювали</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>файл блокування %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>це тека, а не файл</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>це канал, а не файл</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>це сокет, а не файл</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>це пристрій, а не файл</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не є текою</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>не вдається створити файл блокування %1: немає дозволу на запис у його теку (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>інша копія програми тримала його заблокованим понад секунду</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>Невідповідність типів: %1 не є числом</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Переповнення: %1 завелике для цілого числа</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>Невідповідність типів: %1 не є логічним значенням</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1у рядку %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Надішліть знімок екрана з цим повідомленням електронною поштою на %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Помилка програми</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Бракує пам’яті</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>Індекс поза діапазоном (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>Немає файла %1: тексти програми лишаються англійською.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>Файл %1 пошкоджено: тексти програми лишаються англійською.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>Немає файла %1: діалогові вікна Qt лишаються англійською.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>Файл %1 пошкоджено: діалогові вікна Qt лишаються англійською.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>Не вдалося відкрити вебсайт %1: не вдалося запустити жодного браузера</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Неправильне зображення: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>Не вдалося запустити бібліотеку випадкових чисел</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Неправильний виклик процедури або аргумент: межа випадкового вибору має бути щонайменше 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Неправильний виклик процедури або аргумент: система не вказує теки стільниці</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Не вдається прочитати файл оформлення %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>Файл оформлення %1 не є правильною таблицею стилів: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>Колода</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Витягнуто</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Очікувано</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Наступна карта</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Частка</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Номер витягання</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Масті</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Червоні й чорні</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Фігури й числові карти</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>В, Д, К</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>Від Т до 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>Фігури</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>Числові карти</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>Частка кожної масті впродовж витягань</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Кожну карту повертають</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Без повернення</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: підсумок витягань</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Витягнути багато карт за раз, повертаючи кожну:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>Витягнути 10</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>Витягнути 100</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>Витягнути 1000</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Додає %n витягання з поверненням.</numerusform>
            <numerusform>Додає %n витягання з поверненням.</numerusform>
            <numerusform>Додає %n витягань з поверненням.</numerusform>
        </translation>
    </message>
</context>
</TS>
