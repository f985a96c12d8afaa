<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
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
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The short sign of the king, as a card&apos;s corner shows it.</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Pik-Ass</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Pik-Zwei</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Pik-Drei</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Pik-Vier</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Pik-Fünf</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Pik-Sechs</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Pik-Sieben</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Pik-Acht</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Pik-Neun</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Pik-Zehn</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Pik-Bube</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Pik-Dame</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Pik-König</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Karo-Ass</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Karo-Zwei</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Karo-Drei</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Karo-Vier</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Karo-Fünf</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Karo-Sechs</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Karo-Sieben</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Karo-Acht</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Karo-Neun</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Karo-Zehn</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Karo-Bube</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Karo-Dame</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Karo-König</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Kreuz-Ass</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Kreuz-Zwei</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Kreuz-Drei</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Kreuz-Vier</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Kreuz-Fünf</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Kreuz-Sechs</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Kreuz-Sieben</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Kreuz-Acht</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Kreuz-Neun</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Kreuz-Zehn</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Kreuz-Bube</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Kreuz-Dame</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Kreuz-König</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Herz-Ass</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Herz-Zwei</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Herz-Drei</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Herz-Vier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Herz-Fünf</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Herz-Sechs</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Herz-Sieben</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Herz-Acht</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Herz-Neun</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Herz-Zehn</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Herz-Bube</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Herz-Dame</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Herz-König</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>Ü&amp;ber Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Zieht zufällige Spielkarten, einzeln oder als Satz, und zeigt einer Klasse, was eine Ziehung aussagt: ihre Auswertung neben dem, was der Zufall ergibt.

Veröffentlicht unter der MIT-Lizenz.
%2

Die Autoren von Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>Über Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <extracomment>The chance of the next card: %1 cards of %2 left, %3 the percentage.</extracomment>
        <translation>%1 von %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: keine Karten mehr</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %2 von %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: %n gezogen</numerusform>
            <numerusform>%1: %n gezogen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: %2 erwartet</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: %n gezogen, %2 erwartet</numerusform>
            <numerusform>%1: %n gezogen, %2 erwartet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 der Ziehungen</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: nicht gezogen</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: Ziehung Nr. %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Übrige Karten je Farbe: Pik %1, Karo %2, Kreuz %3, Herz %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Ziehungen seit dem letzten Zurücksetzen: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>Keine Karten mehr</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Übrige Karten: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>Mehr Ziehungen nötig: Das Urteil über die Farben gibt es ab %1 Ziehungen, es fehlt noch %n.</numerusform>
            <numerusform>Mehr Ziehungen nötig: Das Urteil über die Farben gibt es ab %1 Ziehungen, es fehlen noch %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Ungewöhnlich für ein faires Blatt (Chi-Quadrat %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Ungewöhnlich für ein faires Blatt (Chi-Quadrat %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Vereinbar mit einem fairen Blatt (Chi-Quadrat %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>Das Urteil vergleicht die vier Farben mit dem, was ein faires Blatt zufällig ergibt. Es lautet „ungewöhnlich“, wenn ein so ungleiches Ergebnis seltener als einmal in hundert Fällen vorkommt; daher liest man auch bei einem fairen Blatt etwa bei jedem hundertsten Blick „ungewöhnlich“.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Alte Methode</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Neue Methode</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: Art des Ziehens wählen</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Öffnet das Fenster zum Ziehen: eine Karte nach der anderen, mit oder ohne Zurücklegen.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Öffnet das Fenster für Kartensätze: ein Satz von bis zu 52 verschiedenen Karten auf einmal.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Zieht zufällige Spielkarten aus einem gewöhnlichen Blatt mit 52 Karten.
Ohne Optionen öffnet es seine Fenster; mit --batch zieht es einen Satz
verschiedener Karten und speichert sie ohne Fenster als Bitmap-Dateien.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Zieht &lt;Anzahl&gt; verschiedene Karten (bis zu 52) und speichert sie als „Card N.bmp“.</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>Der vorhandene Ordner, der die Dateien von --batch aufnimmt.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>Das Format der Dateien mit --batch: bmp (Vorgabe) oder png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>Format</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>Die Höhe der Karten in Pixeln mit --batch, von 96 (Vorgabe) bis 4320; die Breite wahrt die Proportionen der Karte (777 bei 1050).</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>Pixel</translation>
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
Beispiel: Karten für den Druck, eine Pokerkarte bei 300 dpi:
  dealwright --batch 52 --out ~/Karten --format png --height 1050

Rückgabewert von --batch: 0, wenn jede Datei geschrieben wurde, 1, wenn eine
Datei nicht geschrieben werden konnte (die anderen werden trotzdem geschrieben),
2 bei ungültiger Anzahl, ungültigem Format oder ungültiger Höhe, einem
unbrauchbaren Ordner oder einer falschen Befehlszeile.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format und --height dürfen je nur einmal angegeben werden.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format und --height gelten nur zusammen mit --batch ANZAHL.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch braucht --out ORDNER.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out gilt nur zusammen mit --batch ANZAHL.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: Muss bmp oder png sein.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: Muss eine ganze Zahl von Pixeln von %2 bis %3 sein.</translation>
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
        <translation>„dealwright --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>Das Kartendesign: der Ordnername eines installierten Kartendecks (--list-designs zeigt sie) oder dealwright für die eingebauten Karten, nur für diesen Lauf. Die Fenster zeigen es; --batch zeichnet Karten über 96 Pixel darin.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Listet die verwendbaren Kartendesigns: Ordner, Name und Kommentar, durch Tabulatoren getrennt, ein Design je Zeile, die eingebauten Karten zuerst.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design darf nur einmal angegeben werden.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs wird ohne weitere Optionen verwendet.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1; die Karten werden im eingebauten Design gezeichnet</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>die Fenster können nicht geöffnet werden: keine Anzeige und kein Bildschirm erreichbar (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help und --version gehen auch ohne</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsbalken</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Fortschritt des Ziehens</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Zufällige Spielkarten erzeugen</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Anzahl der Karten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Alle Karten als Bild speichern</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Gewählte Karte als Bild speichern</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Ergebnisse in diesem Ordner speichern</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Erzeugte Karten</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Erzeugte Karte(n)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: „%1“ bezeichnet keine Karte</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: Kartensatz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Erzeugte Karten</translation>
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
        <translation>Der Ordner existiert nicht. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Keine Karte ausgewählt.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte Ordner auswählen:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>Es gibt kein Bild zu speichern</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>Das Bild konnte nicht als Bitmap geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>Der PNG-Schreiber konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>Die Karte konnte nicht als PNG kodiert werden</translation>
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
        <translation>Muss ein Zahlenwert sein.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>Höchstens 52 Karten erlaubt</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>Der Ziehungsverlauf konnte nicht als „%1“ gespeichert werden: %2.
Eine dort bereits vorhandene Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Ziehungsverlauf speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Gezogene Karten: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>Index außerhalb des gültigen Bereichs: Der Ziehungsverlauf wurde noch nicht begonnen</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>Keine Karten mehr, bitte zurücksetzen.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>Die eigenen Karten des Programms, scharf in jeder Größe</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>Kartendesign %1 ausgelassen: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>seine Datei index.desktop fehlt</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>seine Datei index.desktop ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>seine Datei index.desktop ist größer als 1 MB</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>seine Datei index.desktop kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>sein Ordnername enthält einen Tabulator oder Zeilenumbruch</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>seine Datei index.desktop hat keine Gruppe [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>seine Datei index.desktop nennt keine SVG-Datei</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>kein Kartendesign „%1“ ist installiert</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>das Kartendesign „%1“ ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1; die eingebauten Karten werden gezeigt</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>Die gespeicherte Eigenschaft %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Kartenbild-Steuerelement</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Diese Eigenschaft kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>Die Eigenschaft ChangeCard muss zwischen 0 und 53 liegen!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>Die Eigenschaft ChangeBack muss zwischen 0 und 11 liegen!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>Das Kartenbild %1 fehlt.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Karte kommt aus einem Ärmel, erstes Bild</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Karte kommt aus einem Ärmel, zweites Bild</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Fledermäuse</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Sonnengesicht mit Sonnenbrille</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Sonnengesicht, das die Zunge herausstreckt</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Brustplatte eines Roboters, erstes Bild</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Brustplatte eines Roboters, zweites Bild</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Roter Joker</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Schwarzer Joker</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Grüne Ringmarke</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Rote Kreuzmarke</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Kartenbild-Steuerelement</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>Das Kartenbild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>Es gibt keine Karte Nummer %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>Es gibt keinen Kartenrücken Nummer %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>seiner SVG-Datei %1 fehlt das Kartenelement %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>seiner SVG-Datei %1 fehlen %2 der 52 Kartenelemente (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>das SVG-Darstellungsmodul kann nicht geladen werden</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>seine SVG-Datei %1 ist kein gültiges SVG-Dokument</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>seine SVG-Datei %1 kann nicht entpackt werden</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>seine SVG-Datei %1 ist entpackt größer als %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>seine SVG-Datei %1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>seine SVG-Datei %1 ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>seine SVG-Datei %1 fehlt</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>seine SVG-Datei %1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>seine SVG-Datei %1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>seine SVG-Datei %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>seine SVG-Datei %1 ist kein SVG-Dokument</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>seine SVG-Datei %1 ist kein wohlgeformtes XML (Zeile %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>seine SVG-Datei %1 wiederholt ihre Elemente über Verweise mehr als %2-mal</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Gezogene Karten: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>Keine Karten gezogen</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Zurückgesetzt. Keine Karten gezogen</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Zurückgesetzt. Keine Karten gezogen</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Art des Ziehens</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Nächste Karte zeigen und nicht in den Stapel zurücklegen</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Nächste Karte zeigen und danach in den Stapel zurücklegen, damit sie wieder gezogen werden kann</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Kartenbereich</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Nächste Karte zeigen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Karten im Vollbild zeigen</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Ergebnisse in diesem Ordner speichern</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Karte als Bild speichern</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: Karten ziehen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>Ziehungs&amp;verlauf speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Auswertung der Ziehungen</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Karten im &amp;Vollbild zeigen</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Leertaste zeigt die nächste Karte, Esc beendet die Vollbildansicht</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: Vollbild</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Auswertung der Ziehungen</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Steuerelementfeld-Element „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt bereits geladen</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Zur Entwurfszeit erstellte Steuerelemente können nicht entladen werden</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Nur das letzte Element der Reihe kann entfernt werden</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>Das Kartendesign wurde nicht geändert: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Kartendesign</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: Handbuch</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>Die Einstellungsdatei %1 ist %2 groß, größer als eine Einstellungsdatei sein darf (%3). Sie wurde nicht gelesen: Dealwright arbeitet mit den Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>im Ordner %1 darf nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>die neue Datei %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Die Einstellung „%1“ konnte nicht aus der Einstellungsdatei %2 gelesen werden: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Die Einstellung „%1“ konnte nicht in der Einstellungsdatei %2 gespeichert werden: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>sie darf nicht geändert werden (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>andere Instanzen des Programms haben sie fortwährend geändert</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>die Sperrdatei %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>sie ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>sie ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>sie ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>sie ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden: In ihrem Ordner darf nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>eine andere Instanz des Programms hielt sie länger als eine Sekunde gesperrt</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>Typen unverträglich: %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Überlauf: %1 ist zu groß für eine ganze Zahl</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>Typen unverträglich: %1 ist kein Wahrheitswert</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1in Zeile %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>Index außerhalb des gültigen Bereichs (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>%1 fehlt: Die Texte des Programms bleiben englisch.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 ist beschädigt: Die Texte des Programms bleiben englisch.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>%1 fehlt: Die Dialoge von Qt bleiben englisch.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 ist beschädigt: Die Dialoge von Qt bleiben englisch.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>Die Website %1 konnte nicht geöffnet werden: Es ließ sich kein Webbrowser starten</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Ungültiges Bild: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>Die Zufallszahlenbibliothek konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Die Grenze einer Zufallswahl muss mindestens 1 sein</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument: Das System nennt keinen Schreibtischordner</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Die Skin-Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>Die Skin-Datei %1 ist kein gültiges Stylesheet: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>Das Blatt</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Gezogen</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Nächste Karte</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Nummer der Ziehung</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Rot und Schwarz</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Bildkarten und Zahlenkarten</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>B, D, K</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>A bis 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>Bildkarten</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>Zahlenkarten</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>Anteil jeder Farbe über die Ziehungen</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Jede Karte wird zurückgelegt</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Ohne Zurücklegen</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: Auswertung der Ziehungen</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Viele Karten auf einmal ziehen, jede zurücklegen:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>10 ziehen</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>100 ziehen</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>1000 ziehen</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Fügt %n Ziehung mit Zurücklegen hinzu.</numerusform>
            <numerusform>Fügt %n Ziehungen mit Zurücklegen hinzu.</numerusform>
        </translation>
    </message>
</context>
</TS>
