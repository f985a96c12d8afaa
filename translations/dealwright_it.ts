<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
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
        <translation>Picche</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Quadri</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Fiori</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cuori</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Asso di picche</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Due di picche</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Tre di picche</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Quattro di picche</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinque di picche</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Sei di picche</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Sette di picche</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Otto di picche</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Nove di picche</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dieci di picche</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Fante di picche</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Donna di picche</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Re di picche</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Asso di quadri</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Due di quadri</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Tre di quadri</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Quattro di quadri</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinque di quadri</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Sei di quadri</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Sette di quadri</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Otto di quadri</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Nove di quadri</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dieci di quadri</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Fante di quadri</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Donna di quadri</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Re di quadri</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Asso di fiori</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Due di fiori</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Tre di fiori</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Quattro di fiori</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinque di fiori</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Sei di fiori</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Sette di fiori</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Otto di fiori</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Nove di fiori</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dieci di fiori</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Fante di fiori</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Donna di fiori</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Re di fiori</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Asso di cuori</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Due di cuori</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Tre di cuori</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Quattro di cuori</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinque di cuori</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Sei di cuori</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Sette di cuori</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Otto di cuori</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Nove di cuori</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dieci di cuori</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Fante di cuori</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Donna di cuori</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Re di cuori</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>&amp;Informazioni su Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Informazioni su &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Estrae carte da gioco a caso, una alla volta o in serie, e mostra a una classe che cosa significa un&apos;estrazione: il suo resoconto accanto a ciò che dà il caso.

Distribuito con licenza MIT.
%2

Gli autori di Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>Informazioni su Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
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
        <translation>%1 su %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: nessuna carta rimasta</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %2 su %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: %n estratta</numerusform>
            <numerusform>%1: %n estratte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: %2 attese</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: %n estratta, %2 attese</numerusform>
            <numerusform>%1: %n estratte, %2 attese</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 delle estrazioni</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: non estratta</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: estrazione n. %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Carte rimaste per seme: picche %1, quadri %2, fiori %3, cuori %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Estrazioni dall&apos;ultimo azzeramento: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>Nessuna carta rimasta</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Carte rimaste: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>Servono altre estrazioni: il giudizio sui semi arriva da %1 estrazioni in su, ne manca ancora %n.</numerusform>
            <numerusform>Servono altre estrazioni: il giudizio sui semi arriva da %1 estrazioni in su, ne mancano ancora %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Insolito per un mazzo equo (chi quadrato %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Insolito per un mazzo equo (chi quadrato %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Compatibile con un mazzo equo (chi quadrato %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>Il giudizio confronta i quattro semi con ciò che un mazzo equo dà per caso. Dice «insolito» quando un risultato così squilibrato capita meno di una volta su cento, perciò anche un mazzo equo mostra «insolito» circa una volta su cento.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Vecchio metodo</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Nuovo metodo</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: scegli come estrarre</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Apre la finestra delle estrazioni: le carte una alla volta, rimettendo o no ciascuna nel mazzo.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Apre la finestra delle serie: fino a 52 carte diverse tutte in una volta.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Estrae carte da gioco a caso da un mazzo francese di 52 carte.
Senza opzioni apre le sue finestre; con --batch estrae una serie di carte
diverse e le salva come file bitmap, senza alcuna finestra.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Estrae &lt;numero&gt; carte diverse (fino a 52) e le salva come «Card N.bmp».</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>numero</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>La cartella esistente che riceve i file di --batch.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>cartella</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>Il formato dei file con --batch: bmp (predefinito) o png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>formato</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>L&apos;altezza delle carte in pixel con --batch, da 96 (predefinita) a 4320; la larghezza mantiene le proporzioni della carta (777 per 1050).</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>pixel</translation>
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
Esempio: carte da stampare, una carta da poker a 300 dpi:
  dealwright --batch 52 --out ~/carte --format png --height 1050

Stato di uscita di --batch: 0 se ogni file è stato scritto, 1 se un file non
è stato scritto (gli altri sì), 2 per un numero, un formato o un&apos;altezza non
validi, una cartella inutilizzabile o una riga di comando errata.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format e --height si possono indicare una sola volta ciascuno.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format e --height si usano solo con --batch NUMERO.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch richiede --out CARTELLA.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out si usa solo con --batch NUMERO.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: deve essere bmp o png.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: deve essere un numero intero di pixel da %2 a %3.</translation>
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
        <translation>Usare «dealwright --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>La grafica di carte: il nome della cartella di un mazzo installato (--list-designs li mostra) o dealwright per le carte incorporate, solo per questa esecuzione. Le finestre la mostrano; --batch vi disegna le carte oltre i 96 pixel.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Elenca le grafiche di carte utilizzabili: cartella, nome e commento, separati da tabulazioni, una grafica per riga, prima le carte incorporate.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design si può indicare una sola volta.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs si usa senza altre opzioni.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1; le carte vengono disegnate con la grafica incorporata</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>impossibile aprire le finestre: nessun display né schermo raggiungibile (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help e --version funzionano anche senza</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra di avanzamento</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Avanzamento dell&apos;estrazione</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Genera carte da gioco a caso</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Numero di carte</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Salva tutte le carte come immagine</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Salva la carta scelta come immagine</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Salva i risultati in questa cartella</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Carte generate</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Carte generate</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Chiamata di routine o argomento non valido: «%1» non indica alcuna carta</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: serie di carte</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Carte generate</translation>
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
        <translation>La cartella non esiste. Seleziona un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Nessuna carta selezionata.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Seleziona una cartella:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>Non c&apos;è alcuna immagine da salvare</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>Impossibile scrivere l&apos;immagine come bitmap: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>Impossibile avviare la scrittura PNG</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>Impossibile codificare la carta come PNG</translation>
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
        <translation>Deve essere un valore numerico.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>Sono ammesse fino a 52 carte</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>Carta %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>Impossibile salvare la cronologia delle estrazioni come «%1»: %2.
Un file già presente resta com&apos;era.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Salva la cronologia delle estrazioni</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Carte estratte: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>Indice non compreso nell&apos;intervallo: la cronologia delle estrazioni non è stata avviata</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>Carte finite, azzera per ricominciare.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>Le carte proprie del programma, nitide a ogni dimensione</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>grafica di carte %1 esclusa: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>manca il suo index.desktop</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>il suo index.desktop non è un file normale</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>il suo index.desktop supera 1 MB</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>impossibile leggere il suo index.desktop (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>il nome della sua cartella contiene una tabulazione o un a capo</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>il suo index.desktop non ha il gruppo [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>il suo index.desktop non indica alcun file SVG</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>nessuna grafica di carte «%1» è installata</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>la grafica di carte «%1» non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1; vengono mostrate le carte incorporate</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>La proprietà salvata %1 non è un numero.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Controllo faccia della carta</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Non è possibile modificare questa proprietà.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>La proprietà ChangeCard deve essere compresa tra 0 e 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>La proprietà ChangeBack deve essere compresa tra 0 e 11!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>Manca l&apos;immagine della carta %1.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Carta che esce da un polsino, primo fotogramma</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Carta che esce da un polsino, secondo fotogramma</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Pipistrelli</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Sole con occhiali da sole</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Sole che fa la linguaccia</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Pannello del torace di un robot, primo fotogramma</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Pannello del torace di un robot, secondo fotogramma</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Jolly rosso</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Jolly nero</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Segno ad anello verde</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Segno a croce rossa</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Dorso della carta</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Controllo faccia della carta</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>Impossibile leggere l&apos;immagine della carta %1.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>Non esiste la carta numero %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>Non esiste il dorso numero %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>al suo file SVG %1 manca l&apos;elemento di carta %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>al suo file SVG %1 mancano %2 dei 52 elementi di carta (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>impossibile caricare il modulo di resa SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>il suo file SVG %1 non è un documento SVG valido</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>impossibile decomprimere il suo file SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>il suo file SVG %1 supera %2 MB una volta decompresso</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>il suo file SVG %1 è troncato</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>il suo file SVG %1 è danneggiato (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>manca il suo file SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>il suo file SVG %1 non è un file normale</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>il suo file SVG %1 supera %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>impossibile leggere il suo file SVG %1 (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>il suo file SVG %1 non è un documento SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>il suo file SVG %1 non è XML ben formato (riga %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>il suo file SVG %1 ripete i suoi elementi tramite riferimenti oltre %2</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Carte estratte: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>Nessuna carta estratta</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Azzerato. Nessuna carta estratta</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Azzerato. Nessuna carta estratta</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Modalità di estrazione</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Mostra la carta successiva e non rimetterla nel mazzo</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Mostra la carta successiva e poi rimettila nel mazzo, perché possa uscire di nuovo</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Area delle carte</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Mostra la carta successiva</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Mostra le carte a schermo intero</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Salva i risultati in questa cartella</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Salva la carta come immagine</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: estrai carte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>&amp;Salva la cronologia...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Resoconto delle estrazioni</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Mostra le carte a &amp;schermo intero</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Valore di proprietà non valido</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Mazzo</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Premi Spazio per la carta successiva, Esc per uscire</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: schermo intero</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Resoconto delle estrazioni</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L&apos;elemento «%1» della matrice di controlli non esiste</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Oggetto già caricato</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Impossibile scaricare controlli creati in fase di progettazione</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Si può togliere solo l&apos;ultimo elemento della fila</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>La grafica di carte non è stata cambiata: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Grafica delle carte</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: manuale</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>Il file delle impostazioni %1 occupa %2, più di quanto possa occupare un file delle impostazioni (%3). Non è stato letto: Dealwright funziona con le impostazioni predefinite e lascia il file com&apos;è.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>non si ha il permesso di scrivere nella cartella %1 (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>il nuovo file %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Impossibile leggere l&apos;impostazione «%1» dal file delle impostazioni %2: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Impossibile salvare l&apos;impostazione «%1» nel file delle impostazioni %2: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>non si ha il permesso di modificarlo (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>altre copie del programma continuavano a modificarlo</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>il file di blocco %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>è una pipe, non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>impossibile creare il file di blocco %1: non si ha il permesso di scrivere nella sua cartella (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>un&apos;altra copia del programma lo ha tenuto bloccato per più di un secondo</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>Tipo non corrispondente: %1 non è un numero</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Overflow: %1 è troppo grande per un numero intero</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>Tipo non corrispondente: %1 non è un valore logico</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1alla riga %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Invia per e-mail una schermata di questo messaggio a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell&apos;applicazione</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>Indice non compreso nell&apos;intervallo (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>%1 manca: i testi del programma restano in inglese.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 è danneggiato: i testi del programma restano in inglese.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>%1 manca: le finestre di dialogo di Qt restano in inglese.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 è danneggiato: le finestre di dialogo di Qt restano in inglese.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>Impossibile aprire il sito web %1: non è stato possibile avviare alcun browser</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Immagine non valida: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>Impossibile avviare la libreria dei numeri casuali</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Chiamata di routine o argomento non valido: il limite di una scelta casuale deve essere almeno 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Chiamata di routine o argomento non valido: il sistema non indica alcuna cartella della scrivania</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Impossibile leggere il file del tema %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>Il file del tema %1 non è un foglio di stile valido: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>Il mazzo</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Estratte</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attese</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Carta successiva</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Quota</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Numero di estrazione</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Semi</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Rosso e nero</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Figure e carte numerali</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>J, Q, K</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>Da A a 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>Carte numerali</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>Quota di ogni seme nel corso delle estrazioni</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Rimettendo ogni carta nel mazzo</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Senza rimettere</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: resoconto delle estrazioni</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Estrai molte carte in una volta, rimettendo ciascuna nel mazzo:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>Estrai 10</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>Estrai 100</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>Estrai 1000</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Aggiunge %n estrazione con reinserimento.</numerusform>
            <numerusform>Aggiunge %n estrazioni con reinserimento.</numerusform>
        </translation>
    </message>
</context>
</TS>
