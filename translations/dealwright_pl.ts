<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dwójka</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trójka</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Czwórka</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Piątka</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Szóstka</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siódemka</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ósemka</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Dziewiątka</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dziesiątka</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Walet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Król</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The short sign of the ace, as a card&apos;s corner shows it.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The short sign of the jack, as a card&apos;s corner shows it.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The short sign of the queen, as a card&apos;s corner shows it.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The short sign of the king, as a card&apos;s corner shows it.</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Piki</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Kara</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trefle</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Kiery</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>As pik</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Dwójka pik</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Trójka pik</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Czwórka pik</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Piątka pik</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Szóstka pik</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Siódemka pik</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Ósemka pik</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Dziewiątka pik</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dziesiątka pik</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Walet pik</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Dama pik</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Król pik</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As karo</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Dwójka karo</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Trójka karo</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Czwórka karo</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Piątka karo</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Szóstka karo</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Siódemka karo</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ósemka karo</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Dziewiątka karo</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dziesiątka karo</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Walet karo</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Dama karo</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Król karo</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As trefl</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Dwójka trefl</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Trójka trefl</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Czwórka trefl</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Piątka trefl</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Szóstka trefl</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Siódemka trefl</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Ósemka trefl</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Dziewiątka trefl</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dziesiątka trefl</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Walet trefl</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Dama trefl</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Król trefl</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As kier</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Dwójka kier</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Trójka kier</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Czwórka kier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Piątka kier</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Szóstka kier</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Siódemka kier</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Ósemka kier</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Dziewiątka kier</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dziesiątka kier</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Walet kier</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Dama kier</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Król kier</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwone</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Podręcznik</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>&amp;O programie Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>O &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Losuje karty do gry, pojedynczo lub zestawami, i pokazuje klasie, co znaczy losowanie: jego podsumowanie obok tego, co daje przypadek.

Udostępniony na licencji MIT.
%2

Autorzy programu Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>O programie Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
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
        <translation>%1 z %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: nie ma już kart</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %2 z %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: %n wylosowana</numerusform>
            <numerusform>%1: %n wylosowane</numerusform>
            <numerusform>%1: %n wylosowanych</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: oczekiwane %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: %n wylosowana, oczekiwane %2</numerusform>
            <numerusform>%1: %n wylosowane, oczekiwane %2</numerusform>
            <numerusform>%1: %n wylosowanych, oczekiwane %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 losowań</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: nie wylosowano</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: losowanie nr %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Pozostałe karty w każdym kolorze: piki %1, kara %2, trefle %3, kiery %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Losowania od ostatniego wyzerowania: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>Nie ma już kart</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Pozostałe karty: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>Potrzeba więcej losowań: ocena kolorów pojawi się od %1 losowań, brakuje jeszcze %n losowania.</numerusform>
            <numerusform>Potrzeba więcej losowań: ocena kolorów pojawi się od %1 losowań, brakuje jeszcze %n losowań.</numerusform>
            <numerusform>Potrzeba więcej losowań: ocena kolorów pojawi się od %1 losowań, brakuje jeszcze %n losowań.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Nietypowe dla uczciwej talii (chi-kwadrat %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Nietypowe dla uczciwej talii (chi-kwadrat %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Zgodne z uczciwą talią (chi-kwadrat %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>Ocena porównuje cztery kolory z tym, co uczciwa talia daje przypadkiem. Brzmi „nietypowe”, gdy tak nierówny wynik zdarza się rzadziej niż raz na sto razy, więc nawet uczciwa talia pokazuje „nietypowe” mniej więcej raz na sto spojrzeń.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Stara metoda</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Nowa metoda</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: wybierz sposób losowania</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Otwiera okno losowania: karty po jednej, ze zwracaniem każdej albo bez.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Otwiera okno zestawów: zestaw do 52 różnych kart naraz.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Losuje karty do gry ze zwykłej talii 52 kart.
Bez opcji otwiera swoje okna; z --batch losuje zestaw różnych kart
i zapisuje je jako pliki bitmap, bez żadnego okna.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Losuje &lt;liczba&gt; różnych kart (do 52) i zapisuje je jako „Card N.bmp”.</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>liczba</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>Istniejący katalog, do którego trafiają pliki z --batch.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>katalog</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>Format plików z --batch: bmp (domyślnie) lub png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>format</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>Wysokość kart w pikselach z --batch, od 96 (domyślnie) do 4320; szerokość zachowuje proporcje karty (777 dla 1050).</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>piksele</translation>
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
Przykład: karty do druku, karta pokerowa w 300 dpi:
  dealwright --batch 52 --out ~/karty --format png --height 1050

Kod wyjścia --batch: 0, gdy zapisano każdy plik, 1, gdy nie udało się zapisać
jakiegoś pliku (pozostałe i tak są zapisywane), 2 przy błędnej liczbie,
formacie lub wysokości, nieprzydatnym katalogu albo błędnym wierszu poleceń.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format i --height można podać najwyżej raz.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format i --height działają tylko z --batch LICZBA.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch wymaga --out KATALOG.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out działa tylko z --batch LICZBA.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: musi być bmp lub png.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: musi być całkowitą liczbą pikseli od %2 do %3.</translation>
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
        <translation>Więcej informacji daje „dealwright --help”.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>Wzór kart: nazwa katalogu zainstalowanej talii (--list-designs je pokazuje) albo dealwright dla wbudowanych kart, tylko na to uruchomienie. Okna go pokazują; --batch rysuje nim karty większe niż 96 pikseli.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Wypisuje wzory kart, których można użyć: katalog, nazwę i komentarz, rozdzielone tabulatorami, jeden wzór w wierszu, najpierw wbudowane karty.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design można podać najwyżej raz.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs podaje się bez innych opcji.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1; karty są rysowane wbudowanym wzorem</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>nie można otworzyć okien: żaden serwer wyświetlania ani ekran nie jest osiągalny (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help i --version działają bez nich</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Pasek postępu</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Postęp losowania</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Wylosuj karty do gry</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Liczba kart</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Zapisz wszystkie karty jako obrazy</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Zapisz wybraną kartę jako obraz</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Zapisz wyniki w tym katalogu</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Wybierz katalog docelowy</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Wylosowane karty</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Wylosowane karty</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: „%1” nie oznacza żadnej karty</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: zestaw kart</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Wylosowane karty</translation>
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
        <translation>Katalog nie istnieje. Wybierz inny katalog.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Nie wybrano karty.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Wybierz katalog:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>Nie ma obrazu do zapisania</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>Nie udało się zapisać obrazu jako bitmapy: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>Nie udało się uruchomić zapisu PNG</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>Nie udało się zakodować karty jako PNG</translation>
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
        <translation>Musi to być wartość liczbowa.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>Dozwolone najwyżej 52 karty</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>Karta %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>Nie udało się zapisać historii losowań jako „%1”: %2.
Plik, który już tam był, pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Zapisz historię losowań</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Wylosowane karty: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>Indeks poza zakresem: historia losowań nie została rozpoczęta</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>Nie ma więcej kart, wyzeruj losowanie.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>Własne karty programu, ostre w każdym rozmiarze</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>pominięto wzór kart %1: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>brak jego pliku index.desktop</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>jego index.desktop nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>jego index.desktop przekracza 1 MB</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>nie można odczytać jego index.desktop (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>nazwa jego katalogu zawiera tabulator lub znak nowego wiersza</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>jego index.desktop nie ma grupy [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>jego index.desktop nie wskazuje pliku SVG</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>nie zainstalowano wzoru kart „%1”</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>nie można użyć wzoru kart „%1”: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1; pokazywane są wbudowane karty</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>Zapisana właściwość %1 nie jest liczbą.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Kontrolka awersu karty</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Tej właściwości nie można zmienić.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>Właściwość ChangeCard musi mieć wartość od 0 do 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>Właściwość ChangeBack musi mieć wartość od 0 do 11!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>Brakuje obrazu karty %1.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Karta wysuwająca się z mankietu, pierwsza klatka</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Karta wysuwająca się z mankietu, druga klatka</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Nietoperze</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Słoneczko w okularach przeciwsłonecznych</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Słoneczko z wystawionym językiem</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Panel na piersi robota, pierwsza klatka</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Panel na piersi robota, druga klatka</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Czerwony joker</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Czarny joker</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Znacznik z zielonym pierścieniem</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Znacznik z czerwonym krzyżykiem</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Rewers karty</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Kontrolka awersu karty</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>Nie można odczytać obrazu karty %1.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>Nie ma karty o numerze %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>Nie ma rewersu o numerze %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>w jego pliku SVG %1 brakuje elementu karty %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>w jego pliku SVG %1 brakuje %2 z 52 elementów kart (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>nie można wczytać modułu renderowania SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>jego plik SVG %1 nie jest prawidłowym dokumentem SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>nie można rozpakować jego pliku SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>jego plik SVG %1 po rozpakowaniu przekracza %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>jego plik SVG %1 jest ucięty</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>jego plik SVG %1 jest uszkodzony (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>brak jego pliku SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>jego plik SVG %1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>jego plik SVG %1 przekracza %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>nie można odczytać jego pliku SVG %1 (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>jego plik SVG %1 nie jest dokumentem SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>jego plik SVG %1 nie jest poprawnym XML-em (wiersz %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>jego plik SVG %1 powtarza swoje elementy przez odwołania ponad %2 razy</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Wylosowane karty: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>Nie wylosowano żadnej karty</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Wyzerowano. Nie wylosowano żadnej karty</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Wyzerowano. Nie wylosowano żadnej karty</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Wstecz</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Sposób losowania</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Pokaż następną kartę i nie wkładaj jej z powrotem do talii</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Pokaż następną kartę, a potem włóż ją z powrotem do talii, by mogła znów zostać wylosowana</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Obszar kart</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Talia</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Pokaż następną kartę</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Wyzeruj</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Pokaż karty na pełnym ekranie</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Zapisz wyniki w tym katalogu</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Wybierz katalog docelowy</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Zapisz kartę jako obraz</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: losowanie kart</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>Zapisz &amp;historię losowań...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Podsumowanie losowań</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Pokaż karty na pełnym &amp;ekranie</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Talia</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Spacja pokazuje następną kartę, Esc kończy</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: pełny ekran</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Podsumowanie losowań</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element „%1” tablicy kontrolek nie istnieje</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Obiekt jest już załadowany</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Nie można usunąć kontrolek utworzonych w czasie projektowania</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Można usunąć tylko ostatni element rzędu</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>Wzór kart nie został zmieniony: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Wzór kart</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: podręcznik</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Podręcznik</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>Plik ustawień %1 ma %2, więcej, niż może mieć plik ustawień (%3). Nie został odczytany: Dealwright działa z ustawieniami domyślnymi i pozostawia plik bez zmian.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>brak uprawnień do zapisu w katalogu %1 (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>nowy plik %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Nie udało się odczytać ustawienia „%1” z pliku ustawień %2: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Nie udało się zapisać ustawienia „%1” w pliku ustawień %2: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>brak uprawnień do jego zmiany (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>inne kopie programu ciągle go zmieniały</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>plik blokady %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>to katalog, a nie plik</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>to potok, a nie plik</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>to gniazdo, a nie plik</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>to urządzenie, a nie plik</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest katalogiem</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>nie można utworzyć pliku blokady %1: brak uprawnień do zapisu w jego katalogu (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>inna kopia programu trzymała go zablokowanym dłużej niż sekundę</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>Niezgodność typów: %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Przepełnienie: %1 jest za duże jak na liczbę całkowitą</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>Niezgodność typów: %1 nie jest wartością logiczną</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1w wierszu %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Wyślij zrzut ekranu z tym komunikatem e-mailem na adres %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>Indeks poza zakresem (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>Brak pliku %1: teksty programu pozostają po angielsku.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>Plik %1 jest uszkodzony: teksty programu pozostają po angielsku.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>Brak pliku %1: okna dialogowe Qt pozostają po angielsku.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>Plik %1 jest uszkodzony: okna dialogowe Qt pozostają po angielsku.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>Nie udało się otworzyć strony %1: nie można było uruchomić żadnej przeglądarki</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Nieprawidłowy obraz: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>Nie udało się uruchomić biblioteki liczb losowych</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: granica losowego wyboru musi wynosić co najmniej 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Nieprawidłowe wywołanie procedury lub argument: system nie wskazuje katalogu pulpitu</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Nie można odczytać pliku skórki %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>Plik skórki %1 nie jest prawidłowym arkuszem stylów: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>Talia</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Wylosowane</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Oczekiwane</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Następna karta</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udział</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Numer losowania</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Czerwone i czarne</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Figury i blotki</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>W, D, K</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>A do 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>Figury</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>Blotki</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Wartości</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>Udział każdego koloru w kolejnych losowaniach</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Każda karta wraca do talii</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Bez zwracania</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: podsumowanie losowań</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Wylosuj wiele kart naraz, zwracając każdą:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>Wylosuj 10</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>Wylosuj 100</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>Wylosuj 1000</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Dodaje %n losowanie ze zwracaniem.</numerusform>
            <numerusform>Dodaje %n losowania ze zwracaniem.</numerusform>
            <numerusform>Dodaje %n losowań ze zwracaniem.</numerusform>
        </translation>
    </message>
</context>
</TS>
