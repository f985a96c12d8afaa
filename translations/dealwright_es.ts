<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
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
        <translation>Picas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>As de picas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Dos de picas</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Tres de picas</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Cuatro de picas</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinco de picas</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Seis de picas</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Siete de picas</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Ocho de picas</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Nueve de picas</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Diez de picas</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Jota de picas</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Reina de picas</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Rey de picas</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de diamantes</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Dos de diamantes</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Tres de diamantes</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Cuatro de diamantes</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinco de diamantes</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Seis de diamantes</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Siete de diamantes</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ocho de diamantes</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Nueve de diamantes</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Diez de diamantes</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Jota de diamantes</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Reina de diamantes</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Rey de diamantes</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de tréboles</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Dos de tréboles</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Tres de tréboles</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Cuatro de tréboles</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinco de tréboles</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Seis de tréboles</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Siete de tréboles</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Ocho de tréboles</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Nueve de tréboles</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Diez de tréboles</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Jota de tréboles</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Reina de tréboles</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Rey de tréboles</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de corazones</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Dos de corazones</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Tres de corazones</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Cuatro de corazones</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinco de corazones</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Seis de corazones</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Siete de corazones</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Ocho de corazones</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Nueve de corazones</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Diez de corazones</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Jota de corazones</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Reina de corazones</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Rey de corazones</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>&amp;Acerca de Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Acerca de &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Saca naipes al azar, de uno en uno o en tandas, y muestra a una clase lo que significa una extracción: su recuento junto a lo que da el azar.

Publicado con la licencia MIT.
%2

Los autores de Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>Acerca de Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
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
        <translation>%1 de %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: no quedan cartas</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1: %2 de %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1: %n sacada</numerusform>
            <numerusform>%1: %n sacadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1: %2 esperadas</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1: %n sacada, %2 esperadas</numerusform>
            <numerusform>%1: %n sacadas, %2 esperadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 de las extracciones</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: no ha salido</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: extracción n.º %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Cartas que quedan de cada palo: picas %1, diamantes %2, tréboles %3, corazones %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Extracciones desde el último reinicio: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>No quedan cartas</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Cartas restantes: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>Hacen falta más extracciones: el veredicto sobre los palos llega a partir de %1 extracciones; falta %n.</numerusform>
            <numerusform>Hacen falta más extracciones: el veredicto sobre los palos llega a partir de %1 extracciones; faltan %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Inusual para una baraja justa (chi cuadrado %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Inusual para una baraja justa (chi cuadrado %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Compatible con una baraja justa (chi cuadrado %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>El veredicto compara los cuatro palos con lo que da el azar en una baraja justa. Dice «inusual» cuando un resultado tan desigual sale menos de una vez de cada cien, así que incluso una baraja justa muestra «inusual» más o menos una vez de cada cien.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Método antiguo</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Método nuevo</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: elegir cómo sacar las cartas</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Abre la ventana de extracción: las cartas de una en una, devolviendo o no cada una.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Abre la ventana de tandas: una tanda de hasta 52 cartas distintas de una vez.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Saca naipes al azar de una baraja francesa de 52 cartas.
Sin opciones abre sus ventanas; con --batch saca una tanda de cartas
distintas y las guarda como archivos de mapa de bits, sin ninguna ventana.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Saca &lt;cantidad&gt; cartas distintas (hasta 52) y las guarda como «Card N.bmp».</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>cantidad</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>La carpeta existente que recibe los archivos de --batch.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>El formato de los archivos con --batch: bmp (el predeterminado) o png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>formato</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>La altura de las cartas en píxeles con --batch, de 96 (la predeterminada) a 4320; el ancho conserva las proporciones de la carta (777 para 1050).</translation>
    </message>
    <message>
        <source>pixels</source>
        <extracomment>--help: the name of the value of --height, shown as &lt;pixels&gt;.</extracomment>
        <translation>píxeles</translation>
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
Ejemplo: cartas para imprimir, una carta de póquer a 300 ppp:
  dealwright --batch 52 --out ~/cartas --format png --height 1050

Estado de salida de --batch: 0 si se escribieron todos los archivos, 1 si no se
pudo escribir alguno (los demás se escriben igualmente), 2 si la cantidad, el
formato o la altura no son válidos, la carpeta no sirve o la línea de órdenes
es incorrecta.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format y --height solo pueden indicarse una vez cada uno.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format y --height solo se usan con --batch CANTIDAD.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch necesita --out CARPETA.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out solo se usa con --batch CANTIDAD.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: debe ser bmp o png.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: debe ser un número entero de píxeles de %2 a %3.</translation>
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
        <translation>Pruebe «dealwright --help» para más información.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>El diseño de cartas: el nombre de la carpeta de una baraja instalada (--list-designs las muestra) o dealwright para las cartas incorporadas, solo para esta ejecución. Las ventanas lo muestran; --batch dibuja en él las cartas de más de 96 píxeles.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Enumera los diseños de cartas que se pueden usar: carpeta, nombre y comentario, separados por tabuladores, un diseño por línea, primero las cartas incorporadas.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design solo puede indicarse una vez.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs se usa sin otras opciones.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1; las cartas se dibujan con el diseño incorporado</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>no se pueden abrir las ventanas: no se alcanza ninguna pantalla ni servidor gráfico (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help y --version funcionan sin ellos</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Progreso de la extracción</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Generar naipes al azar</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Cantidad de cartas</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Guardar todas las cartas como imagen</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Guardar la carta elegida como imagen</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Guardar los resultados en esta carpeta</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Cartas generadas</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Carta(s) generada(s)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Llamada a procedimiento o argumento no válido: «%1» no designa ninguna carta</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: tanda de cartas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Cartas generadas</translation>
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
        <translation>La carpeta no existe. Seleccione otra carpeta.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>No hay ninguna carta seleccionada.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>No hay ninguna imagen que guardar</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>No se pudo escribir la imagen como mapa de bits: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>No se pudo iniciar el escritor de PNG</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>No se pudo codificar la carta como PNG</translation>
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
        <translation>Debe ser un valor numérico.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>Se permiten hasta 52 cartas</translation>
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
        <translation>No se pudo guardar el historial de extracciones como «%1»: %2.
Un archivo que ya estuviera allí queda como estaba.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Guardar el historial de extracciones</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Cartas sacadas: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>Subíndice fuera del intervalo: el historial de extracciones no se ha iniciado</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>No quedan cartas; reinicie, por favor.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>Las cartas propias del programa, nítidas a cualquier tamaño</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>diseño de cartas %1 descartado: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>falta su index.desktop</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>su index.desktop no es un archivo normal</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>su index.desktop supera 1 MB</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>no se puede leer su index.desktop (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>el nombre de su carpeta contiene un tabulador o un salto de línea</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>su index.desktop no tiene grupo [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>su index.desktop no indica ningún archivo SVG</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>no hay ningún diseño de cartas «%1» instalado</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>no se puede usar el diseño de cartas «%1»: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1; se muestran las cartas incorporadas</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>La propiedad guardada %1 no es un número.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Control de cara de carta</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>No se puede cambiar esta propiedad.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>¡La propiedad ChangeCard debe estar entre 0 y 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>¡La propiedad ChangeBack debe estar entre 0 y 11!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>Falta la imagen de carta %1.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Carta saliendo de una manga, primer fotograma</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Carta saliendo de una manga, segundo fotograma</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Murciélagos</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Sol con gafas de sol</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Sol sacando la lengua</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Panel del pecho de un robot, primer fotograma</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Panel del pecho de un robot, segundo fotograma</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Comodín rojo</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Comodín negro</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Marca de anillo verde</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Marca de cruz roja</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Reverso de carta</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Control de cara de carta</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>No se puede leer la imagen de carta %1.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>No existe la carta número %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>No existe el reverso número %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>a su archivo SVG %1 le falta el elemento de carta %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>a su archivo SVG %1 le faltan %2 de los 52 elementos de carta (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>no se puede cargar el módulo de representación SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>su archivo SVG %1 no es un documento SVG válido</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>no se puede descomprimir su archivo SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>su archivo SVG %1 supera %2 MB descomprimido</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>su archivo SVG %1 está truncado</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>su archivo SVG %1 está dañado (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>falta su archivo SVG %1</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>su archivo SVG %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>su archivo SVG %1 supera %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede leer su archivo SVG %1 (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>su archivo SVG %1 no es un documento SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>su archivo SVG %1 no es XML bien formado (línea %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>su archivo SVG %1 repite sus elementos mediante referencias más allá de %2</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Cartas sacadas: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>No se ha sacado ninguna carta</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Reiniciado. No se ha sacado ninguna carta</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Reiniciado. No se ha sacado ninguna carta</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Modo de extracción</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Mostrar la siguiente carta y no devolverla a la baraja</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Mostrar la siguiente carta y devolverla luego a la baraja para que pueda volver a salir</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Zona de cartas</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Mostrar la siguiente carta</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Mostrar las cartas a pantalla completa</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Guardar los resultados en esta carpeta</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Guardar la carta como imagen</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: sacar cartas</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>Guardar el &amp;historial...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Recuento de extracciones</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Mostrar las cartas a &amp;pantalla completa</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Pulse Espacio para ver la siguiente carta y Esc para salir</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: pantalla completa</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Recuento de extracciones</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>El elemento «%1» de la matriz de controles no existe</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>El objeto ya está cargado</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>No se pueden descargar controles creados en tiempo de diseño</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Solo se puede quitar el último elemento de la fila</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>No se ha cambiado el diseño de cartas: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Diseño de las cartas</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright: manual</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>El archivo de ajustes %1 ocupa %2, más de lo que puede ocupar un archivo de ajustes (%3). No se ha leído: Dealwright funciona con los ajustes predeterminados y deja el archivo como está.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>no hay permiso para escribir en la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>el archivo nuevo %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>No se pudo leer el ajuste «%1» del archivo de ajustes %2: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>No se pudo guardar el ajuste «%1» en el archivo de ajustes %2: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>no hay permiso para cambiarlo (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>otras copias del programa no dejaban de cambiarlo</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>el archivo de bloqueo %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es una tubería, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>no se puede crear el archivo de bloqueo %1: no hay permiso para escribir en su carpeta (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>otra copia del programa lo mantuvo bloqueado más de un segundo</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>No coinciden los tipos: %1 no es un número</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Desbordamiento: %1 es demasiado grande para un número entero</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>No coinciden los tipos: %1 no es un valor lógico</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1en la línea %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Envíe por correo electrónico una captura de pantalla de este mensaje a %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>Subíndice fuera del intervalo (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>Falta %1: los textos del programa quedan en inglés.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 está dañado: los textos del programa quedan en inglés.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>Falta %1: los diálogos propios de Qt quedan en inglés.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 está dañado: los diálogos propios de Qt quedan en inglés.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>No se pudo abrir el sitio web %1: no se pudo iniciar ningún navegador</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Imagen no válida: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>No se pudo iniciar la biblioteca de números aleatorios</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Llamada a procedimiento o argumento no válido: el límite de una elección al azar debe ser al menos 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Llamada a procedimiento o argumento no válido: el sistema no indica ninguna carpeta de escritorio</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo de apariencia %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>El archivo de apariencia %1 no es una hoja de estilo válida: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>La baraja</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Sacadas</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperadas</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Siguiente carta</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Proporción</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Número de extracción</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Palos</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Rojo y negro</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Figuras y cartas numéricas</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>J, Q, K</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>A a 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>Figuras</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>Cartas numéricas</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>Proporción de cada palo a lo largo de las extracciones</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Devolviendo cada carta</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Sin devolver</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: recuento de extracciones</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Sacar muchas cartas de una vez, devolviendo cada una:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>Sacar 10</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>Sacar 100</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>Sacar 1000</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Añade %n extracción con devolución.</numerusform>
            <numerusform>Añade %n extracciones con devolución.</numerusform>
        </translation>
    </message>
</context>
</TS>
