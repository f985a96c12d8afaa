<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>Aas</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Twee</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drie</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Vijf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Zes</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Zeven</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Negen</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Tien</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Heer</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The short sign of the ace, as a card&apos;s corner shows it.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The short sign of the jack, as a card&apos;s corner shows it.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The short sign of the queen, as a card&apos;s corner shows it.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The short sign of the king, as a card&apos;s corner shows it.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Schoppen</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ruiten</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Klaveren</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Harten</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Schoppenaas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Schoppentwee</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Schoppendrie</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Schoppenvier</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Schoppenvijf</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Schoppenzes</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Schoppenzeven</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Schoppenacht</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Schoppennegen</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Schoppentien</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Schoppenboer</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Schoppenvrouw</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Schoppenheer</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Ruitenaas</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Ruitentwee</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Ruitendrie</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Ruitenvier</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Ruitenvijf</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Ruitenzes</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Ruitenzeven</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ruitenacht</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Ruitennegen</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Ruitentien</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Ruitenboer</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Ruitenvrouw</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Ruitenheer</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Klaverenaas</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Klaverentwee</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Klaverendrie</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Klaverenvier</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Klaverenvijf</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Klaverenzes</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Klaverenzeven</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Klaverenacht</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Klaverennegen</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Klaverentien</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Klaverenboer</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Klaverenvrouw</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Klaverenheer</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Hartenaas</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Hartentwee</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Hartendrie</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Hartenvier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Hartenvijf</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Hartenzes</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Hartenzeven</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Hartenacht</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Hartennegen</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Hartentien</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Hartenboer</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Hartenvrouw</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Hartenheer</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>&amp;Over Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Over &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Trekt willekeurige speelkaarten, één voor één of als reeks, en laat een klas zien wat een trekking betekent: het overzicht ervan naast wat het toeval geeft.

Uitgebracht onder de MIT-licentie.
%2

De makers van Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>Over Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
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
        <translation>%1 van %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: geen kaarten meer</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %2 van %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: %n getrokken</numerusform>
            <numerusform>%1: %n getrokken</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: %2 verwacht</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: %n getrokken, %2 verwacht</numerusform>
            <numerusform>%1: %n getrokken, %2 verwacht</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 van de trekkingen</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: niet getrokken</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: trekking nr. %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Resterende kaarten per kleur: schoppen %1, ruiten %2, klaveren %3, harten %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Trekkingen sinds de laatste herstart: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>Geen kaarten meer</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Resterende kaarten: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>Meer trekkingen nodig: het oordeel over de kleuren volgt vanaf %1 trekkingen, nog %n te gaan.</numerusform>
            <numerusform>Meer trekkingen nodig: het oordeel over de kleuren volgt vanaf %1 trekkingen, nog %n te gaan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Ongewoon voor een eerlijk spel (chikwadraat %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Ongewoon voor een eerlijk spel (chikwadraat %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Verenigbaar met een eerlijk spel (chikwadraat %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>Het oordeel vergelijkt de vier kleuren met wat een eerlijk spel bij toeval oplevert. Het luidt ‘ongewoon’ wanneer een zo ongelijk resultaat minder dan eens op de honderd keer voorkomt; ook een eerlijk spel toont dus ongeveer eens op de honderd keer ‘ongewoon’.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Oude methode</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Nieuwe methode</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: manier van trekken kiezen</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Opent het trekvenster: kaarten één voor één, met of zonder elke kaart terug te leggen.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Opent het reeksvenster: een reeks van maximaal 52 verschillende kaarten tegelijk.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Trekt willekeurige speelkaarten uit een gewoon spel van 52 kaarten.
Zonder opties opent het zijn vensters; met --batch trekt het een reeks
verschillende kaarten en slaat die zonder venster op als bitmapbestanden.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Trekt &lt;aantal&gt; verschillende kaarten (tot 52) en slaat ze op als ‘Card N.bmp’.</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>aantal</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>De bestaande map die de bestanden van --batch ontvangt.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>map</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>De bestandsindeling bij --batch: bmp (standaard) of png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>indeling</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>De hoogte van de kaarten in pixels bij --batch, van 96 (standaard) tot 4320; de breedte behoudt de verhoudingen van de kaart (777 bij 1050).</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>pixels</translation>
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
Voorbeeld: kaarten om af te drukken, een pokerkaart op 300 dpi:
  dealwright --batch 52 --out ~/kaarten --format png --height 1050

Afsluitstatus van --batch: 0 als elk bestand is geschreven, 1 als een bestand
niet kon worden geschreven (de andere worden toch geschreven), 2 bij een
ongeldig aantal, een ongeldige indeling of hoogte, een onbruikbare map of een
verkeerde opdrachtregel.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format en --height mogen elk maar één keer worden opgegeven.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format en --height worden alleen gebruikt met --batch AANTAL.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch heeft --out MAP nodig.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out wordt alleen gebruikt met --batch AANTAL.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: moet bmp of png zijn.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: moet een geheel aantal pixels van %2 tot %3 zijn.</translation>
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
        <translation>Probeer ‘dealwright --help’ voor meer informatie.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>Het kaartontwerp: de mapnaam van een geïnstalleerd kaartspel (--list-designs toont ze) of dealwright voor de ingebouwde kaarten, alleen voor deze keer. De vensters tonen het; --batch tekent er kaarten boven 96 pixels in.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>naam</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Toont de bruikbare kaartontwerpen: map, naam en opmerking, gescheiden door tabs, één ontwerp per regel, de ingebouwde kaarten eerst.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design mag maar één keer worden opgegeven.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs wordt zonder andere opties gebruikt.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1; de kaarten worden in het ingebouwde ontwerp getekend</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>kan de vensters niet openen: geen display of beeldscherm bereikbaar (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help en --version werken ook zonder</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Voortgangsbalk</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Voortgang van het trekken</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Willekeurige speelkaarten trekken</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Aantal kaarten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Alle kaarten als afbeelding opslaan</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Gekozen kaart als afbeelding opslaan</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Resultaten in deze map opslaan</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>De doelmap kiezen</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Getrokken kaarten</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Getrokken kaart(en)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument: ‘%1’ duidt geen kaart aan</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: reeks kaarten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Getrokken kaarten</translation>
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
        <translation>De map bestaat niet. Kies een andere map.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Geen kaart gekozen.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Kies een map:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>Er is geen afbeelding om op te slaan</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>De afbeelding kon niet als bitmap worden geschreven: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>Het schrijven van PNG kon niet worden gestart</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>De kaart kon niet als PNG worden gecodeerd</translation>
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
        <translation>Moet een numerieke waarde zijn.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>Maximaal 52 kaarten toegestaan</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>Kaart %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>De trekgeschiedenis kon niet worden opgeslagen als ‘%1’: %2.
Een bestand dat er al stond, blijft zoals het was.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Trekgeschiedenis opslaan</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Getrokken kaarten: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>Subscript valt buiten het bereik: de trekgeschiedenis is nog niet begonnen</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscript valt buiten het bereik</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>Geen kaarten meer, begin opnieuw.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>De eigen kaarten van het programma, scherp op elk formaat</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>kaartontwerp %1 weggelaten: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>de index.desktop ervan ontbreekt</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>de index.desktop ervan is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>de index.desktop ervan is groter dan 1 MB</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>de index.desktop ervan kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>de mapnaam ervan bevat een tab of een regeleinde</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>de index.desktop ervan heeft geen groep [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>de index.desktop ervan noemt geen SVG-bestand</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>er is geen kaartontwerp ‘%1’ geïnstalleerd</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>het kaartontwerp ‘%1’ is onbruikbaar: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1; de ingebouwde kaarten worden getoond</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>De opgeslagen eigenschap %1 is geen getal.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Kaartbeeldbesturingselement</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Deze eigenschap kan niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>De eigenschap ChangeCard moet tussen 0 en 53 liggen!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>De eigenschap ChangeBack moet tussen 0 en 11 liggen!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>De kaartafbeelding %1 ontbreekt.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Kaart die uit een manchet komt, eerste beeld</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Kaart die uit een manchet komt, tweede beeld</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Vleermuizen</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Zonnegezicht met zonnebril</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Zonnegezicht dat zijn tong uitsteekt</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Borstpaneel van een robot, eerste beeld</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Borstpaneel van een robot, tweede beeld</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Rode joker</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Zwarte joker</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Groene ringmarkering</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Rode kruismarkering</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Kaartrug</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Kaartbeeldbesturingselement</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>De kaartafbeelding %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>Er is geen kaart nummer %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>Er is geen kaartrug nummer %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>het SVG-bestand %1 ervan mist het kaartelement %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>het SVG-bestand %1 ervan mist %2 van de 52 kaartelementen (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>de SVG-weergavemodule kan niet worden geladen</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>het SVG-bestand %1 ervan is geen geldig SVG-document</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>het SVG-bestand %1 ervan kan niet worden uitgepakt</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>het SVG-bestand %1 ervan is uitgepakt groter dan %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>het SVG-bestand %1 ervan is afgekapt</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>het SVG-bestand %1 ervan is beschadigd (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>het SVG-bestand %1 ervan ontbreekt</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>het SVG-bestand %1 ervan is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>het SVG-bestand %1 ervan is groter dan %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>het SVG-bestand %1 ervan kan niet worden gelezen (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>het SVG-bestand %1 ervan is geen SVG-document</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>het SVG-bestand %1 ervan is geen welgevormde XML (regel %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>het SVG-bestand %1 ervan herhaalt zijn elementen via verwijzingen meer dan %2 keer</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Getrokken kaarten: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>Geen kaarten getrokken</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Opnieuw begonnen. Geen kaarten getrokken</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Opnieuw begonnen. Geen kaarten getrokken</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Manier van trekken</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Volgende kaart tonen en niet terugleggen in het spel</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Volgende kaart tonen en daarna terugleggen in het spel, zodat ze opnieuw kan worden getrokken</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Kaartgebied</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Volgende kaart tonen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Kaarten schermvullend tonen</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Resultaten in deze map opslaan</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>De doelmap kiezen</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Kaart als afbeelding opslaan</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: kaarten trekken</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>Trek&amp;geschiedenis opslaan...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Overzicht van de trekkingen</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Kaarten &amp;schermvullend tonen</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Ongeldige eigenschapswaarde</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Druk op spatie voor de volgende kaart, op Esc om af te sluiten</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: schermvullend</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Overzicht van de trekkingen</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Element ‘%1’ van de besturingselementmatrix bestaat niet</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Object is al geladen</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Besturingselementen die tijdens het ontwerp zijn gemaakt, kunnen niet worden verwijderd</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Alleen het laatste element van de rij kan worden verwijderd</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>Het kaartontwerp is niet gewijzigd: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Kaartontwerp</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: handleiding</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handleiding</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>Het instellingenbestand %1 is %2, groter dan een instellingenbestand mag zijn (%3). Het is niet gelezen: Dealwright werkt met de standaardinstellingen en laat het bestand zoals het is.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>er is geen toestemming om in de map %1 te schrijven (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>het nieuwe bestand %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>De instelling ‘%1’ kon niet worden gelezen uit het instellingenbestand %2: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>De instelling ‘%1’ kon niet worden opgeslagen in het instellingenbestand %2: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>er is geen toestemming om het te wijzigen (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>andere exemplaren van het programma bleven het wijzigen</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>het vergrendelingsbestand %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>het is een pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>het vergrendelingsbestand %1 kan niet worden gemaakt: er is geen toestemming om in de map ervan te schrijven (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>een ander exemplaar van het programma hield het langer dan een seconde vergrendeld</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>Typen komen niet overeen: %1 is geen getal</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Overloop: %1 is te groot voor een geheel getal</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>Typen komen niet overeen: %1 is geen waarheidswaarde</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1op regel %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Stuur een schermafbeelding van deze melding per e-mail naar %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Toepassingsfout</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>Subscript valt buiten het bereik (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>%1 ontbreekt: de teksten van het programma blijven Engels.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 is beschadigd: de teksten van het programma blijven Engels.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>%1 ontbreekt: de dialoogvensters van Qt blijven Engels.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 is beschadigd: de dialoogvensters van Qt blijven Engels.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>De website %1 kon niet worden geopend: er kon geen webbrowser worden gestart</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Ongeldige afbeelding: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>De bibliotheek voor willekeurige getallen kon niet worden gestart</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument: de grens van een willekeurige keuze moet minstens 1 zijn</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Ongeldige procedure-aanroep of ongeldig argument: het systeem noemt geen bureaubladmap</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Het skinbestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>Het skinbestand %1 is geen geldig stijlblad: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>Het spel</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Getrokken</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Verwacht</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Volgende kaart</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Aandeel</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Nummer van de trekking</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Rood en zwart</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Plaatjes en cijferkaarten</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>B, V, H</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>A tot 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>Plaatjes</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>Cijferkaarten</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Waarden</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>Aandeel van elke kleur over de trekkingen</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Elke kaart wordt teruggelegd</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Zonder terugleggen</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: overzicht van de trekkingen</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Veel kaarten tegelijk trekken en elke kaart terugleggen:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>10 trekken</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>100 trekken</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>1000 trekken</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Voegt %n trekking met terugleggen toe.</numerusform>
            <numerusform>Voegt %n trekkingen met terugleggen toe.</numerusform>
        </translation>
    </message>
</context>
</TS>
