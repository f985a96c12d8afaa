<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatro</translation>
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
        <translation>Sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rei</translation>
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
        <translation>Espadas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Ouros</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Copas</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Ás de espadas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Dois de espadas</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Três de espadas</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Quatro de espadas</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinco de espadas</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Seis de espadas</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Sete de espadas</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Oito de espadas</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Nove de espadas</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dez de espadas</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Valete de espadas</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Dama de espadas</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Rei de espadas</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Ás de ouros</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Dois de ouros</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Três de ouros</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Quatro de ouros</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinco de ouros</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Seis de ouros</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Sete de ouros</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Oito de ouros</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Nove de ouros</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dez de ouros</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Valete de ouros</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Dama de ouros</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Rei de ouros</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Ás de paus</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Dois de paus</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Três de paus</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Quatro de paus</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinco de paus</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Seis de paus</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Sete de paus</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Oito de paus</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Nove de paus</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dez de paus</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Valete de paus</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Dama de paus</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Rei de paus</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Ás de copas</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Dois de copas</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Três de copas</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Quatro de copas</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinco de copas</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Seis de copas</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Sete de copas</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Oito de copas</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Nove de copas</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dez de copas</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Valete de copas</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Dama de copas</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Rei de copas</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
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
        <translation>&amp;Sobre o Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Sobre o &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Tira cartas de baralho ao acaso, uma de cada vez ou em lote, e mostra a uma turma o que significa uma retirada: o balanço dela ao lado do que o acaso dá.

Publicado sob a licença MIT.
%2

Os autores do Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>Sobre o Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
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
        <translation>%1 de %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1: não restam cartas</translation>
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
            <numerusform>%1: %n tirada</numerusform>
            <numerusform>%1: %n tiradas</numerusform>
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
            <numerusform>%1: %n tirada, %2 esperadas</numerusform>
            <numerusform>%1: %n tiradas, %2 esperadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1: %2 das retiradas</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1: não saiu</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1: retirada nº %2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Cartas restantes de cada naipe: espadas %1, ouros %2, paus %3, copas %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Retiradas desde o último reinício: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>Não restam cartas</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Cartas restantes: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>São necessárias mais retiradas: o veredito sobre os naipes vem a partir de %1 retiradas; falta %n.</numerusform>
            <numerusform>São necessárias mais retiradas: o veredito sobre os naipes vem a partir de %1 retiradas; faltam %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Incomum para um baralho justo (qui-quadrado %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Incomum para um baralho justo (qui-quadrado %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Compatível com um baralho justo (qui-quadrado %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>O veredito compara os quatro naipes com o que um baralho justo dá por acaso. Ele diz “incomum” quando um resultado tão desigual aparece menos de uma vez em cem, por isso até um baralho justo mostra “incomum” cerca de uma vez em cem.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Método antigo</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Método novo</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1: escolha como tirar as cartas</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Abre a janela de retirada: uma carta de cada vez, devolvendo ou não cada uma.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Abre a janela de lotes: um lote de até 52 cartas diferentes de uma só vez.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Tira cartas de baralho ao acaso de um baralho comum de 52 cartas.
Sem opções, abre suas janelas; com --batch, tira um lote de cartas
diferentes e as salva como arquivos bitmap, sem nenhuma janela.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Tira &lt;quantidade&gt; cartas diferentes (até 52) e as salva como “Card N.bmp”.</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>quantidade</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>A pasta existente que recebe os arquivos de --batch.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>pasta</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>O formato dos arquivos com --batch: bmp (o padrão) ou png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>formato</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>A altura das cartas em pixels com --batch, de 96 (o padrão) a 4320; a largura mantém as proporções da carta (777 para 1050).</translation>
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
Exemplo: cartas para impressão, uma carta de pôquer a 300 dpi:
  dealwright --batch 52 --out ~/cartas --format png --height 1050

Código de saída de --batch: 0 quando todos os arquivos foram gravados, 1 quando
um arquivo não pôde ser gravado (os outros ainda são), 2 para quantidade,
formato ou altura inválidos, pasta inutilizável ou linha de comando errada.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format e --height só podem ser dados uma vez cada.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format e --height só são usados com --batch QUANTIDADE.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch precisa de --out PASTA.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out só é usado com --batch QUANTIDADE.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1: deve ser bmp ou png.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1: deve ser um número inteiro de pixels de %2 a %3.</translation>
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
        <translation>Tente “dealwright --help” para mais informações.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>O modelo de cartas: o nome da pasta de um baralho instalado (--list-designs os mostra) ou dealwright para as cartas embutidas, só nesta execução. As janelas o mostram; --batch desenha nele as cartas acima de 96 pixels.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Lista os modelos de cartas que podem ser usados: pasta, nome e comentário, separados por tabulações, um modelo por linha, as cartas embutidas primeiro.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design só pode ser dado uma vez.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs é usado sem outras opções.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1; as cartas são desenhadas no modelo embutido</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>não é possível abrir as janelas: nenhum servidor gráfico ou tela está acessível (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help e --version funcionam sem eles</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progresso</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Progresso da retirada</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Gerar cartas de baralho ao acaso</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Quantidade de cartas</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Salvar todas as cartas como imagem</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Salvar a carta selecionada como imagem</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Salvar os resultados nesta pasta</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Escolher a pasta de destino</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Cartas geradas</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Voltar</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Carta(s) gerada(s)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Chamada de procedimento ou argumento inválido: “%1” não indica nenhuma carta</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1: lote de cartas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Cartas geradas</translation>
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
        <translation>A pasta não existe. Selecione outra pasta.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Nenhuma carta selecionada.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Selecione uma pasta:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>Não há imagem para salvar</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>Não foi possível gravar a imagem como bitmap: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>Não foi possível iniciar a gravação de PNG</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>Não foi possível codificar a carta como PNG</translation>
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
        <translation>Deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>São permitidas até 52 cartas</translation>
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
        <translation>Não foi possível salvar o histórico de retiradas como “%1”: %2.
Um arquivo que já existia lá permanece como estava.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Salvar o histórico de retiradas</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Cartas tiradas: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>Subscrito fora do intervalo: o histórico de retiradas não foi iniciado</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>Acabaram as cartas; reinicie, por favor.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>As cartas do próprio programa, nítidas em qualquer tamanho</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>modelo de cartas %1 deixado de fora: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>falta o index.desktop dele</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>o index.desktop dele não é um arquivo comum</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>o index.desktop dele passa de 1 MB</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>não é possível ler o index.desktop dele (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>o nome da pasta dele contém uma tabulação ou uma quebra de linha</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>o index.desktop dele não tem o grupo [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>o index.desktop dele não indica nenhum arquivo SVG</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>nenhum modelo de cartas “%1” está instalado</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>não é possível usar o modelo de cartas “%1”: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1; as cartas embutidas são mostradas</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>A propriedade salva %1 não é um número.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Controle de face de carta</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Não é possível alterar esta propriedade.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>A propriedade ChangeCard deve estar entre 0 e 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>A propriedade ChangeBack deve estar entre 0 e 11!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>Falta a imagem de carta %1.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Carta saindo de um punho de manga, primeiro quadro</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Carta saindo de um punho de manga, segundo quadro</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Morcegos</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Sol de óculos escuros</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Sol mostrando a língua</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Painel do peito de um robô, primeiro quadro</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Painel do peito de um robô, segundo quadro</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Curinga vermelho</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Curinga preto</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Marcador de anel verde</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Marcador de cruz vermelha</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Verso da carta</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Controle de face de carta</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>Não é possível ler a imagem de carta %1.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>Não existe a carta número %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>Não existe o verso número %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>falta no arquivo SVG %1 dele o elemento de carta %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>faltam no arquivo SVG %1 dele %2 dos 52 elementos de carta (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>não é possível carregar o módulo de renderização SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>o arquivo SVG %1 dele não é um documento SVG válido</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>não é possível descompactar o arquivo SVG %1 dele</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>o arquivo SVG %1 dele passa de %2 MB descompactado</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>o arquivo SVG %1 dele está truncado</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>o arquivo SVG %1 dele está danificado (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>falta o arquivo SVG %1 dele</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>o arquivo SVG %1 dele não é um arquivo comum</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>o arquivo SVG %1 dele passa de %2 MB</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>não é possível ler o arquivo SVG %1 dele (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>o arquivo SVG %1 dele não é um documento SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>o arquivo SVG %1 dele não é um XML bem formado (linha %2: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>o arquivo SVG %1 dele repete seus elementos por referências além de %2</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Cartas tiradas: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>Nenhuma carta tirada</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Reiniciado. Nenhuma carta tirada</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Reiniciado. Nenhuma carta tirada</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Voltar</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Modo de retirada</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Mostrar a próxima carta e não devolvê-la ao baralho</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Mostrar a próxima carta e depois devolvê-la ao baralho para que possa sair de novo</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Área das cartas</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Monte</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Mostrar a próxima carta</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Mostrar as cartas em tela cheia</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Salvar os resultados nesta pasta</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Escolher a pasta de destino</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Salvar a carta como imagem</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1: tirar cartas</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>Salvar &amp;histórico...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Balanço das retiradas</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Mostrar as cartas em &amp;tela cheia</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Monte</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Pressione Espaço para a próxima carta e Esc para sair</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1: tela cheia</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Balanço das retiradas</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>O elemento “%1” da matriz de controles não existe</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objeto já carregado</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Não é possível descarregar controles criados em tempo de design</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Só o último elemento da fileira pode ser removido</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>O modelo de cartas não foi alterado: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Modelo das cartas</translation>
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
        <translation>O arquivo de configurações %1 tem %2, mais do que um arquivo de configurações pode ter (%3). Ele não foi lido: o Dealwright funciona com as configurações padrão e deixa o arquivo como está.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>não há permissão para gravar na pasta %1 (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>o novo arquivo %1: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Não foi possível ler a configuração “%1” do arquivo de configurações %2: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Não foi possível salvar a configuração “%1” no arquivo de configurações %2: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>não há permissão para alterá-lo (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>outras cópias do programa continuaram a alterá-lo</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>o arquivo de trava %1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>é um pipe, não um arquivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>é um socket, não um arquivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>é um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>não é possível criar o arquivo de trava %1: não há permissão para gravar na pasta dele (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>outra cópia do programa o manteve travado por mais de um segundo</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>Tipos incompatíveis: %1 não é um número</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Estouro: %1 é grande demais para um número inteiro</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>Tipos incompatíveis: %1 não é um valor lógico</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1na linha %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Envie por e-mail uma captura de tela desta mensagem para %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>Subscrito fora do intervalo (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>%1 não existe: os textos do programa ficam em inglês.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 está danificado: os textos do programa ficam em inglês.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>%1 não existe: os diálogos do Qt ficam em inglês.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 está danificado: os diálogos do Qt ficam em inglês.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>Não foi possível abrir o site %1: não foi possível iniciar nenhum navegador</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Imagem inválida: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>Não foi possível iniciar a biblioteca de números aleatórios</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Chamada de procedimento ou argumento inválido: o limite de uma escolha ao acaso deve ser pelo menos 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Chamada de procedimento ou argumento inválido: o sistema não indica nenhuma pasta da área de trabalho</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Não é possível ler o arquivo de tema %1: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>O arquivo de tema %1 não é uma folha de estilo válida: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>O baralho</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Tiradas</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperadas</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Próxima carta</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Número da retirada</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Naipes</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Vermelho e preto</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Figuras e cartas numéricas</translation>
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
        <translation>Parcela de cada naipe ao longo das retiradas</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Devolvendo cada carta</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Sem devolver</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright: balanço das retiradas</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Tirar muitas cartas de uma vez, devolvendo cada uma:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>Tirar 10</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>Tirar 100</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>Tirar 1000</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Acrescenta %n retirada com devolução.</numerusform>
            <numerusform>Acrescenta %n retiradas com devolução.</numerusform>
        </translation>
    </message>
</context>
</TS>
