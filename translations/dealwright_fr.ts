<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardNames</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>The short sign of the ace, as a card&apos;s corner shows it.</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <extracomment>The short sign of the jack, as a card&apos;s corner shows it.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>The short sign of the queen, as a card&apos;s corner shows it.</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <extracomment>The short sign of the king, as a card&apos;s corner shows it.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pique</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreau</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfle</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>As de pique</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Deux de pique</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Trois de pique</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Quatre de pique</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinq de pique</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Six de pique</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Sept de pique</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Huit de pique</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Neuf de pique</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dix de pique</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Valet de pique</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Dame de pique</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Roi de pique</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de carreau</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Deux de carreau</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Trois de carreau</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Quatre de carreau</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinq de carreau</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Six de carreau</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Sept de carreau</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Huit de carreau</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Neuf de carreau</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dix de carreau</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Valet de carreau</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Dame de carreau</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Roi de carreau</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de trèfle</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Deux de trèfle</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Trois de trèfle</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Quatre de trèfle</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinq de trèfle</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Six de trèfle</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Sept de trèfle</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Huit de trèfle</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Neuf de trèfle</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dix de trèfle</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Valet de trèfle</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Dame de trèfle</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Roi de trèfle</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de cœur</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Deux de cœur</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Trois de cœur</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Quatre de cœur</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinq de cœur</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Six de cœur</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Sept de cœur</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Huit de cœur</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Neuf de cœur</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dix de cœur</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Valet de cœur</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Dame de cœur</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Roi de cœur</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;About Dealwright</source>
        <translation>À &amp;propos de Dealwright</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>À propos de &amp;Qt</translation>
    </message>
    <message>
        <source>Dealwright %1

Draws random playing cards, one at a time or as a batch, and shows a class what a draw means: its tally beside what chance gives.

Released under the MIT licence.
%2

The Dealwright authors</source>
        <translation>Dealwright %1

Tire des cartes à jouer au hasard, une à une ou en série, et montre à une classe ce que signifie un tirage&#x202f;: son bilan à côté de ce que donne le hasard.

Publié sous licence MIT.
%2

Les auteurs de Dealwright</translation>
    </message>
    <message>
        <source>About Dealwright</source>
        <translation>À propos de Dealwright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
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
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>%1 of %2, %3</source>
        <extracomment>The chance of the next card: %1 cards of %2 left, %3 the percentage.</extracomment>
        <translation>%1 sur %2, %3</translation>
    </message>
    <message>
        <source>%1: no cards left</source>
        <translation>%1&#x202f;: plus aucune carte</translation>
    </message>
    <message>
        <source>%1: %2 of %3, %4</source>
        <extracomment>The chance that the next card is of a kind: &quot;Hearts: 11 of 47, 23.4 %&quot;.</extracomment>
        <translation>%1&#x202f;: %2 sur %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn</source>
        <extracomment>&quot;Hearts: 12 drawn&quot;; %n is the count.</extracomment>
        <translation>
            <numerusform>%1&#x202f;: %n tirée</numerusform>
            <numerusform>%1&#x202f;: %n tirées</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <translation>%1&#x202f;: %2 attendues</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n drawn, %2 expected</source>
        <extracomment>&quot;Hearts: 12 drawn, 11.5 expected&quot;; %n is the count drawn.</extracomment>
        <translation>
            <numerusform>%1&#x202f;: %n tirée, %2 attendues</numerusform>
            <numerusform>%1&#x202f;: %n tirées, %2 attendues</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 of the draws</source>
        <translation>%1&#x202f;: %2 des tirages</translation>
    </message>
    <message>
        <source>%1: not drawn</source>
        <translation>%1&#x202f;: pas tirée</translation>
    </message>
    <message>
        <source>%1: draw number %2</source>
        <extracomment>%1 is the card&apos;s name, %2 the draw that brought it.</extracomment>
        <translation>%1&#x202f;: tirage n°&#xa0;%2</translation>
    </message>
    <message>
        <source>Cards left of each suit: spades %1, diamonds %2, clubs %3, hearts %4</source>
        <extracomment>%1 to %4: the cards left of spades, diamonds, clubs and hearts.</extracomment>
        <translation>Cartes restantes par couleur&#x202f;: pique %1, carreau %2, trèfle %3, cœur %4</translation>
    </message>
    <message>
        <source>Draws since the last reset: %1</source>
        <translation>Tirages depuis la dernière remise à zéro&#x202f;: %1</translation>
    </message>
    <message>
        <source>No cards left</source>
        <translation>Plus aucune carte</translation>
    </message>
    <message>
        <source>Cards left: %1</source>
        <translation>Cartes restantes&#x202f;: %1</translation>
    </message>
    <message numerus="yes">
        <source>More draws needed: the verdict on the suits comes from %1 draws on, %n to go.</source>
        <extracomment>Below 20 draws; %n is how many draws are still missing.</extracomment>
        <translation>
            <numerusform>Il faut plus de tirages&#x202f;: le verdict sur les couleurs vient à partir de %1 tirages, il en manque encore %n.</numerusform>
            <numerusform>Il faut plus de tirages&#x202f;: le verdict sur les couleurs vient à partir de %1 tirages, il en manque encore %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;&lt;&#xa0;%2)</source>
        <translation>Inhabituel pour un jeu équitable (khi carré %1, p&#xa0;&lt;&#xa0;%2)</translation>
    </message>
    <message>
        <source>Unusual for a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Inhabituel pour un jeu équitable (khi carré %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>Consistent with a fair deck (chi-square %1, p&#xa0;=&#xa0;%2)</source>
        <translation>Compatible avec un jeu équitable (khi carré %1, p&#xa0;=&#xa0;%2)</translation>
    </message>
    <message>
        <source>The verdict compares the four suits with what a fair deck gives by chance. It says &quot;unusual&quot; when a result this uneven comes less than once in a hundred times, so even a fair deck reads &quot;unusual&quot; about once in a hundred looks.</source>
        <translation>Le verdict compare les quatre couleurs avec ce qu’un jeu équitable donne par hasard. Il dit «&#xa0;inhabituel&#xa0;» quand un résultat aussi inégal arrive moins d’une fois sur cent&#x202f;; même un jeu équitable affiche donc «&#xa0;inhabituel&#xa0;» environ une fois sur cent.</translation>
    </message>
</context>
<context>
    <name>app::ChooserWindow</name>
    <message>
        <source>Old Method</source>
        <extracomment>The chooser&apos;s second button: it opens the batch window, which draws up to 52 cards at once.</extracomment>
        <translation>Ancienne méthode</translation>
    </message>
    <message>
        <source>New Method</source>
        <extracomment>The chooser&apos;s first button: it opens the draw window, which draws one card at a time.</extracomment>
        <translation>Nouvelle méthode</translation>
    </message>
    <message>
        <source>%1: choose how to draw</source>
        <translation>%1&#x202f;: choisir comment tirer</translation>
    </message>
    <message>
        <source>Opens the draw window: cards one at a time, with or without putting each back.</source>
        <translation>Ouvre la fenêtre de tirage&#x202f;: une carte à la fois, avec ou sans remise.</translation>
    </message>
    <message>
        <source>Opens the batch window: a batch of up to 52 different cards at once.</source>
        <translation>Ouvre la fenêtre des séries&#x202f;: jusqu’à 52 cartes différentes tirées d’un coup.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Draws random playing cards from a standard 52-card deck.
Without options it opens its windows; with --batch it draws a batch of
distinct cards and saves them as bitmap files, without any window.</source>
        <translation>Tire des cartes à jouer au hasard dans un jeu ordinaire de 52 cartes.
Sans option, il ouvre ses fenêtres ; avec --batch, il tire une série de
cartes distinctes et les enregistre en fichiers bitmap, sans fenêtre.</translation>
    </message>
    <message>
        <source>Draws &lt;count&gt; distinct cards (up to 52) and saves them as &quot;Card N.bmp&quot;.</source>
        <extracomment>--help: the option --batch; &lt;count&gt; is the name of its value, as translated below.</extracomment>
        <translation>Tire &lt;nombre&gt; cartes distinctes (jusqu’à 52) et les enregistre sous « Card N.bmp ».</translation>
    </message>
    <message>
        <source>count</source>
        <extracomment>--help: the name of the value of --batch, shown as &lt;count&gt;.</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>The existing folder that receives the files of --batch.</source>
        <translation>Le dossier existant qui reçoit les fichiers de --batch.</translation>
    </message>
    <message>
        <source>folder</source>
        <extracomment>--help: the name of the value of --out, shown as &lt;folder&gt;.</extracomment>
        <translation>dossier</translation>
    </message>
    <message>
        <source>The files&apos; format with --batch: bmp (the default) or png.</source>
        <translation>Le format des fichiers avec --batch : bmp (par défaut) ou png.</translation>
    </message>
    <message>
        <source>format</source>
        <extracomment>--help: the name of the value of --format, shown as &lt;format&gt;.</extracomment>
        <translation>format</translation>
    </message>
    <message>
        <source>The cards&apos; height in pixels with --batch, from 96 (the default) to 4320; the width keeps the card&apos;s proportions (777 for 1050).</source>
        <translation>La hauteur des cartes en pixels avec --batch, de 96 (par défaut) à 4320 ; la largeur garde les proportions de la carte (777 pour 1050).</translation>
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
Exemple : des cartes à imprimer, une carte de poker à 300 dpi :
  dealwright --batch 52 --out ~/cartes --format png --height 1050

Code de sortie de --batch : 0 si chaque fichier a été écrit, 1 si un fichier
n’a pas pu l’être (les autres le sont quand même), 2 pour un nombre, un format
ou une hauteur incorrects, un dossier inutilisable ou une ligne de commande
erronée.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>--batch, --out, --format and --height may each be given once.</source>
        <translation>--batch, --out, --format et --height ne peuvent être donnés qu’une fois chacun.</translation>
    </message>
    <message>
        <source>--format and --height are only used with --batch COUNT.</source>
        <translation>--format et --height ne servent qu’avec --batch NOMBRE.</translation>
    </message>
    <message>
        <source>--batch needs --out FOLDER.</source>
        <translation>--batch demande --out DOSSIER.</translation>
    </message>
    <message>
        <source>--out is only used with --batch COUNT.</source>
        <translation>--out ne sert qu’avec --batch NOMBRE.</translation>
    </message>
    <message>
        <source>--format %1: Must be bmp or png.</source>
        <extracomment>%1 is the value given to --format.</extracomment>
        <translation>--format %1 : doit être bmp ou png.</translation>
    </message>
    <message>
        <source>--height %1: Must be a whole number of pixels from %2 to %3.</source>
        <extracomment>%1 is the value given to --height; %2 and %3 the smallest and the largest height.</extracomment>
        <translation>--height %1 : doit être un nombre entier de pixels de %2 à %3.</translation>
    </message>
    <message>
        <source>--batch %1: %2</source>
        <extracomment>%1 is the value given to --batch, %2 what is wrong with it (&quot;Up to 52 cards allowed&quot;).</extracomment>
        <translation>--batch %1 : %2</translation>
    </message>
    <message>
        <source>--out %1: %2</source>
        <extracomment>%1 is the folder given to --out, %2 what is wrong with it.</extracomment>
        <translation>--out %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A card file that could not be made: %1 is its path, %2 the reason.</extracomment>
        <translation>%1&#x202f;: %2</translation>
    </message>
    <message>
        <source>Try &apos;dealwright --help&apos; for more information.</source>
        <translation>Essayez « dealwright --help » pour plus d’informations.</translation>
    </message>
    <message>
        <source>The card design: an installed card deck&apos;s folder name (--list-designs shows them) or dealwright for the built-in cards, for this run only. The windows show it; --batch draws cards above 96 pixels in it.</source>
        <extracomment>--help: the option --design; &quot;dealwright&quot; and --list-designs stay as they are typed.</extracomment>
        <translation>Le motif de cartes&#x202f;: le nom du dossier d’un jeu de cartes installé (--list-designs les montre) ou dealwright pour les cartes intégrées, pour cette exécution seulement. Les fenêtres l’affichent&#x202f;; --batch y dessine les cartes de plus de 96 pixels.</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>--help: the name of the value of --design, shown as &lt;name&gt;.</extracomment>
        <translation>nom</translation>
    </message>
    <message>
        <source>Lists the card designs that can be used: folder, name and comment, separated by tabs, one design per line, the built-in cards first.</source>
        <translation>Liste les motifs de cartes utilisables&#x202f;: dossier, nom et commentaire, séparés par des tabulations, un motif par ligne, les cartes intégrées en premier.</translation>
    </message>
    <message>
        <source>--design may be given once.</source>
        <translation>--design ne peut être donné qu’une fois.</translation>
    </message>
    <message>
        <source>--list-designs is used without other options.</source>
        <translation>--list-designs s’emploie sans autre option.</translation>
    </message>
    <message>
        <source>--design %1: %2</source>
        <extracomment>%1 is the value given to --design, %2 what is wrong with it (&apos;no card design &quot;x&quot; is installed&apos;).</extracomment>
        <translation>--design %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1; the cards are drawn in the built-in design</source>
        <extracomment>%1 says why the settings could not be read.</extracomment>
        <translation>%1&#x202f;; les cartes sont dessinées avec le motif intégré</translation>
    </message>
</context>
<context>
    <name>app::DisplayGuard</name>
    <message>
        <source>cannot open the windows: no display or screen can be reached (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM); --batch, --help and --version work without one</source>
        <translation>impossible d’ouvrir les fenêtres : aucun serveur d’affichage ni écran n’est joignable (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM) ; --batch, --help et --version fonctionnent sans écran</translation>
    </message>
</context>
<context>
    <name>batch::BatchWindow</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
    <message>
        <source>Generation progress</source>
        <translation>Progression du tirage</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Tirer des cartes à jouer au hasard</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Nombre de cartes à tirer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Enregistrer toutes les cartes en image</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Enregistrer la carte choisie en image</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Enregistrer les résultats dans ce dossier</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Generated cards</source>
        <translation>Cartes tirées</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Card/s Generated</source>
        <translation>Carte(s) tirée(s)</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;%1&quot; names no card</source>
        <translation>Appel de procédure ou argument incorrect&#x202f;: «&#xa0;%1&#xa0;» ne désigne aucune carte</translation>
    </message>
    <message>
        <source>%1: batch of cards</source>
        <translation>%1&#x202f;: série de cartes</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Cards generated</source>
        <translation>Cartes tirées</translation>
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
        <translation>Le dossier n’existe pas. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Aucune carte choisie.</translation>
    </message>
    <message>
        <source>Done.</source>
        <extracomment>The message after card files were saved.</extracomment>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier&#x202f;:</translation>
    </message>
</context>
<context>
    <name>batch::CardFormats</name>
    <message>
        <source>There is no picture to save</source>
        <translation>Il n’y a aucune image à enregistrer</translation>
    </message>
    <message>
        <source>The picture could not be written as a bitmap: %1</source>
        <translation>L’image n’a pas pu être écrite en bitmap&#x202f;: %1</translation>
    </message>
    <message>
        <source>The PNG writer could not be started</source>
        <translation>L’écriture PNG n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>The card could not be encoded as PNG</source>
        <translation>La carte n’a pas pu être encodée en PNG</translation>
    </message>
</context>
<context>
    <name>batch::FileBatch</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A card file that could not be written: %1 is its path, %2 the system&apos;s reason.</extracomment>
        <translation>%1&#x202f;: %2</translation>
    </message>
</context>
<context>
    <name>batch::Generation</name>
    <message>
        <source>Must be a numerical value.</source>
        <translation>Doit être une valeur numérique.</translation>
    </message>
    <message>
        <source>Up to 52 cards allowed</source>
        <translation>52 cartes au plus</translation>
    </message>
    <message>
        <source>Card %1</source>
        <extracomment>An entry of the batch window&apos;s list; %1 is its number, 1 to 52.</extracomment>
        <translation>Carte %1</translation>
    </message>
</context>
<context>
    <name>batch::HistoryFile</name>
    <message>
        <source>The draw history could not be saved as &quot;%1&quot;: %2.
A file already there is left as it was.</source>
        <translation>L’historique des tirages n’a pas pu être enregistré sous «&#xa0;%1&#xa0;»&#x202f;: %2.
Un fichier déjà présent est laissé tel quel.</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Enregistrer l’historique des tirages</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>cards::DrawState</name>
    <message>
        <source>Cards drawn: %1</source>
        <extracomment>The count label of both drawing windows; %1 is the number of cards drawn since the last reset.</extracomment>
        <translation>Cartes tirées&#x202f;: %1</translation>
    </message>
    <message>
        <source>Subscript out of range: the draw history has not been started</source>
        <translation>L’indice n’appartient pas à la sélection&#x202f;: l’historique des tirages n’a pas commencé</translation>
    </message>
</context>
<context>
    <name>cards::Engine</name>
    <message>
        <source>Subscript out of range</source>
        <translation>L’indice n’appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>No more cards, please reset.</source>
        <translation>Plus de cartes, veuillez remettre à zéro.</translation>
    </message>
</context>
<context>
    <name>deck::CardDesigns</name>
    <message>
        <source>The program&apos;s own cards, sharp at every size</source>
        <translation>Les cartes propres au programme, nettes à toutes les tailles</translation>
    </message>
    <message>
        <source>card design %1 left out: %2</source>
        <extracomment>One line on standard error: %1 is the deck&apos;s folder, %2 the reason (&quot;its index.desktop is missing&quot;).</extracomment>
        <translation>motif de cartes %1 écarté&#x202f;: %2</translation>
    </message>
    <message>
        <source>its index.desktop is missing</source>
        <translation>son index.desktop est absent</translation>
    </message>
    <message>
        <source>its index.desktop is not a regular file</source>
        <translation>son index.desktop n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its index.desktop is over 1 MB</source>
        <translation>son index.desktop dépasse 1 Mo</translation>
    </message>
    <message>
        <source>its index.desktop cannot be read (%1)</source>
        <translation>son index.desktop est illisible (%1)</translation>
    </message>
    <message>
        <source>its folder name holds a tab or a line break</source>
        <translation>le nom de son dossier contient une tabulation ou un saut de ligne</translation>
    </message>
    <message>
        <source>its index.desktop has no [KDE Backdeck] group</source>
        <translation>son index.desktop n’a pas de groupe [KDE Backdeck]</translation>
    </message>
    <message>
        <source>its index.desktop names no SVG file</source>
        <translation>son index.desktop n’indique aucun fichier SVG</translation>
    </message>
    <message>
        <source>no card design &quot;%1&quot; is installed</source>
        <translation>aucun motif de cartes «&#xa0;%1&#xa0;» n’est installé</translation>
    </message>
    <message>
        <source>the card design &quot;%1&quot; cannot be used: %2</source>
        <translation>le motif de cartes «&#xa0;%1&#xa0;» est inutilisable&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1; the built-in cards are shown</source>
        <translation>%1&#x202f;; les cartes intégrées sont affichées</translation>
    </message>
</context>
<context>
    <name>deck::CardFaceControl</name>
    <message>
        <source>The stored property %1 is not a number.</source>
        <translation>La propriété enregistrée %1 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>Card face control</source>
        <translation>Contrôle de face de carte</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Vous ne pouvez pas modifier cette propriété.</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <extracomment>ChangeCard is the property&apos;s name and stays as it is.</extracomment>
        <translation>La propriété ChangeCard doit être comprise entre 0 et 53&#x202f;!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <extracomment>ChangeBack is the property&apos;s name and stays as it is.</extracomment>
        <translation>La propriété ChangeBack doit être comprise entre 0 et 11&#x202f;!</translation>
    </message>
</context>
<context>
    <name>deck::PictureSet</name>
    <message>
        <source>The card picture %1 is missing.</source>
        <translation>L’image de carte %1 manque.</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, first frame</source>
        <translation>Carte qui sort d’une manchette, première image</translation>
    </message>
    <message>
        <source>Card coming out of a cuff, second frame</source>
        <translation>Carte qui sort d’une manchette, deuxième image</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Chauves-souris</translation>
    </message>
    <message>
        <source>Sun face with sunglasses</source>
        <translation>Soleil à lunettes de soleil</translation>
    </message>
    <message>
        <source>Sun face with its tongue out</source>
        <translation>Soleil qui tire la langue</translation>
    </message>
    <message>
        <source>Robot chest panel, first frame</source>
        <translation>Plastron de robot, première image</translation>
    </message>
    <message>
        <source>Robot chest panel, second frame</source>
        <translation>Plastron de robot, deuxième image</translation>
    </message>
    <message>
        <source>Red Joker</source>
        <translation>Joker rouge</translation>
    </message>
    <message>
        <source>Black Joker</source>
        <translation>Joker noir</translation>
    </message>
    <message>
        <source>Green ring marker</source>
        <extracomment>The green ring picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Marque en anneau vert</translation>
    </message>
    <message>
        <source>Red cross marker</source>
        <extracomment>The red cross picture of the card face control, a marker laid on a card.</extracomment>
        <translation>Marque en croix rouge</translation>
    </message>
    <message>
        <source>Card back</source>
        <translation>Dos de carte</translation>
    </message>
    <message>
        <source>Card face control</source>
        <extracomment>The card face control&apos;s own small picture.</extracomment>
        <translation>Contrôle de face de carte</translation>
    </message>
    <message>
        <source>The card picture %1 cannot be read.</source>
        <translation>L’image de carte %1 est illisible.</translation>
    </message>
    <message>
        <source>There is no card number %1.</source>
        <translation>Il n’y a pas de carte numéro %1.</translation>
    </message>
    <message>
        <source>There is no card back number %1.</source>
        <translation>Il n’y a pas de dos de carte numéro %1.</translation>
    </message>
</context>
<context>
    <name>deck::SvgFile</name>
    <message>
        <source>its SVG file %1 lacks the card element %2</source>
        <extracomment>%1 is the file, %2 the element&apos;s id (&quot;queen_heart&quot;), which stays as it is.</extracomment>
        <translation>il manque à son fichier SVG %1 l’élément de carte %2</translation>
    </message>
    <message>
        <source>its SVG file %1 lacks %2 of the 52 card elements (%3)</source>
        <extracomment>%1 is the file, %2 how many of the 52 elements are missing, %3 the first of their ids.</extracomment>
        <translation>il manque à son fichier SVG %1 %2 des 52 éléments de carte (%3)</translation>
    </message>
    <message>
        <source>the SVG renderer module cannot be loaded</source>
        <translation>le module de rendu SVG ne peut pas être chargé</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a valid SVG document</source>
        <translation>son fichier SVG %1 n’est pas un document SVG valable</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be unpacked</source>
        <translation>son fichier SVG %1 ne peut pas être décompressé</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB unpacked</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>son fichier SVG %1 dépasse %2 Mo une fois décompressé</translation>
    </message>
    <message>
        <source>its SVG file %1 is truncated</source>
        <translation>son fichier SVG %1 est tronqué</translation>
    </message>
    <message>
        <source>its SVG file %1 is damaged (%2)</source>
        <extracomment>%1 is the file, %2 what the unpacking library says.</extracomment>
        <translation>son fichier SVG %1 est endommagé (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is missing</source>
        <translation>son fichier SVG %1 est absent</translation>
    </message>
    <message>
        <source>its SVG file %1 is not a regular file</source>
        <translation>son fichier SVG %1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its SVG file %1 is over %2 MB</source>
        <extracomment>%1 is the file, %2 the limit in megabytes (MB).</extracomment>
        <translation>son fichier SVG %1 dépasse %2 Mo</translation>
    </message>
    <message>
        <source>its SVG file %1 cannot be read (%2)</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>son fichier SVG %1 est illisible (%2)</translation>
    </message>
    <message>
        <source>its SVG file %1 is not an SVG document</source>
        <translation>son fichier SVG %1 n’est pas un document SVG</translation>
    </message>
    <message>
        <source>its SVG file %1 is not well-formed XML (line %2: %3)</source>
        <extracomment>%1 is the file, %2 the line, %3 what the XML reader says.</extracomment>
        <translation>son fichier SVG %1 n’est pas du XML bien formé (ligne %2&#x202f;: %3)</translation>
    </message>
    <message>
        <source>its SVG file %1 repeats its elements through references beyond %2</source>
        <extracomment>%1 is the file, %2 the most elements a drawing may visit.</extracomment>
        <translation>son fichier SVG %1 répète ses éléments par références au-delà de %2</translation>
    </message>
</context>
<context>
    <name>draw::DrawAnnouncement</name>
    <message>
        <source>%1. Cards drawn: %2</source>
        <extracomment>What a screen reader says after a draw: %1 is the card drawn (&quot;Queen of Hearts&quot;), %2 the number of cards drawn since the last reset, as the count label shows it.</extracomment>
        <translation>%1. Cartes tirées&#x202f;: %2</translation>
    </message>
    <message>
        <source>No cards drawn</source>
        <translation>Aucune carte tirée</translation>
    </message>
    <message>
        <source>Reset. No cards drawn</source>
        <extracomment>What a screen reader says after &quot;Reset&quot;: the draw starts again.</extracomment>
        <translation>Remise à zéro. Aucune carte tirée</translation>
    </message>
    <message>
        <source>%1. Reset. No cards drawn</source>
        <extracomment>What a screen reader says after a change of mode: %1 is the mode chosen, as its option reads.</extracomment>
        <translation>%1. Remise à zéro. Aucune carte tirée</translation>
    </message>
</context>
<context>
    <name>draw::DrawWindow</name>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Generate Option</source>
        <translation>Mode de tirage</translation>
    </message>
    <message>
        <source>Show next card and do not put back in deck</source>
        <translation>Montrer la carte suivante sans la remettre dans le paquet</translation>
    </message>
    <message>
        <source>Show next card and then put it back in deck to be possibly selected again</source>
        <translation>Montrer la carte suivante puis la remettre dans le paquet pour qu’elle puisse ressortir</translation>
    </message>
    <message>
        <source>Card Area</source>
        <translation>Zone des cartes</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Show Next Card</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remettre à zéro</translation>
    </message>
    <message>
        <source>Show Cards On Full Screen</source>
        <translation>Montrer les cartes en plein écran</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Enregistrer les résultats dans ce dossier</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Save Card As Image</source>
        <translation>Enregistrer la carte en image</translation>
    </message>
    <message>
        <source>%1: draw cards</source>
        <translation>%1&#x202f;: tirer des cartes</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Save &amp;History...</source>
        <translation>Enregistrer l’&amp;historique des tirages...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Tally of Draws</source>
        <translation>&amp;Bilan des tirages</translation>
    </message>
    <message>
        <source>Show Cards On &amp;Full Screen</source>
        <translation>Montrer les cartes en &amp;plein écran</translation>
    </message>
</context>
<context>
    <name>draw::FullScreenView</name>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété incorrecte</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The pile of cards not drawn yet, as a screen reader names it.</extracomment>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Press &apos;Space&apos; to show next card, ESC to exit</source>
        <translation>Appuyez sur Espace pour la carte suivante, sur Échap pour quitter</translation>
    </message>
    <message>
        <source>%1: full screen</source>
        <translation>%1&#x202f;: plein écran</translation>
    </message>
    <message>
        <source>Tally of draws</source>
        <translation>Bilan des tirages</translation>
    </message>
</context>
<context>
    <name>draw::WidgetDisplay</name>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist</source>
        <translation>L’élément «&#xa0;%1&#xa0;» du groupe de contrôles n’existe pas</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objet déjà chargé</translation>
    </message>
    <message>
        <source>Can&apos;t unload controls created at design time</source>
        <translation>Impossible de décharger des contrôles créés lors de la conception</translation>
    </message>
    <message>
        <source>Only the last element of the row can be removed</source>
        <translation>Seul le dernier élément de la rangée peut être retiré</translation>
    </message>
</context>
<context>
    <name>menus::ChosenDesign</name>
    <message>
        <source>The card design was not changed: %1.</source>
        <extracomment>A message box: %1 says why, e.g. &apos;the card design &quot;svg-x&quot; cannot be used: its SVG file is not an SVG file&apos;.</extracomment>
        <translation>Le motif de cartes n’a pas été changé&#x202f;: %1.</translation>
    </message>
</context>
<context>
    <name>menus::DesignMenu</name>
    <message>
        <source>Card &amp;Design</source>
        <translation>&amp;Motif des cartes</translation>
    </message>
</context>
<context>
    <name>menus::ManualWindow</name>
    <message>
        <source>Dealwright: manual</source>
        <translation>Dealwright&#x202f;: manuel</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
</context>
<context>
    <name>settings::SettingsStore</name>
    <message>
        <source>The settings file %1 is %2, larger than a settings file may be (%3). It has not been read: Dealwright works with its default settings and leaves the file as it is.</source>
        <translation>Le fichier de réglages %1 fait %2, plus que la taille permise pour un fichier de réglages (%3). Il n’a pas été lu&#x202f;: Dealwright fonctionne avec ses réglages par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>there is no permission to write in the folder %1 (%2)</source>
        <extracomment>The reason a setting cannot be saved; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>l’écriture n’est pas permise dans le dossier %1 (%2)</translation>
    </message>
    <message>
        <source>the new file %1: %2</source>
        <extracomment>The reason a setting cannot be saved; %1 is the new settings file being written, %2 the system&apos;s reason.</extracomment>
        <translation>le nouveau fichier %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be read from the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Le réglage «&#xa0;%1&#xa0;» n’a pas pu être lu dans le fichier de réglages %2&#x202f;: %3.</translation>
    </message>
    <message>
        <source>The setting &quot;%1&quot; could not be saved in the settings file %2: %3.</source>
        <extracomment>%1 is the setting&apos;s key (kept as it is), %2 the settings file, %3 the reason.</extracomment>
        <translation>Le réglage «&#xa0;%1&#xa0;» n’a pas pu être enregistré dans le fichier de réglages %2&#x202f;: %3.</translation>
    </message>
    <message>
        <source>there is no permission to change it (%1)</source>
        <translation>sa modification n’est pas permise (%1)</translation>
    </message>
    <message>
        <source>other copies of the program kept changing it</source>
        <translation>d’autres exemplaires du programme n’ont cessé de le modifier</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <extracomment>%1 is the settings&apos; lock file, %2 the reason it cannot be used.</extracomment>
        <translation>le fichier de verrou %1&#x202f;: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>c’est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c’est une socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c’est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be made: there is no permission to write in its folder (%2)</source>
        <translation>le fichier de verrou %1 ne peut pas être créé&#x202f;: l’écriture n’est pas permise dans son dossier (%2)</translation>
    </message>
    <message>
        <source>another copy of the program kept it locked for more than a second</source>
        <translation>un autre exemplaire du programme l’a gardé verrouillé plus d’une seconde</translation>
    </message>
</context>
<context>
    <name>shell::Convert</name>
    <message>
        <source>Type mismatch: %1 is not a number</source>
        <extracomment>%1 is the text in question, in double quotes.</extracomment>
        <translation>Type incompatible&#x202f;: %1 n’est pas un nombre</translation>
    </message>
    <message>
        <source>Overflow: %1 is too large for a whole number</source>
        <translation>Dépassement de capacité&#x202f;: %1 est trop grand pour un nombre entier</translation>
    </message>
    <message>
        <source>Type mismatch: %1 is not a truth value</source>
        <translation>Type incompatible&#x202f;: %1 n’est pas une valeur booléenne</translation>
    </message>
</context>
<context>
    <name>shell::ErrorReport</name>
    <message>
        <source>%1at line %2</source>
        <extracomment>The second line of the error report. %1 is the procedure&apos;s location, which ends in a blank and stays untranslated (&quot;in Kestrelby2021/08/31.Form2.Form_Load &quot;); %2 is the step number.</extracomment>
        <translation>%1à la ligne %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error report&apos;s last line; %1 is the maker&apos;s support e-mail address.</extracomment>
        <translation>Veuillez envoyer une capture d’écran de ce message par courriel à %1</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
</context>
<context>
    <name>shell::Failure</name>
    <message>
        <source>Unknown failure</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Subscript out of range (%1)</source>
        <translation>L’indice n’appartient pas à la sélection (%1)</translation>
    </message>
</context>
<context>
    <name>shell::Language</name>
    <message>
        <source>%1 is missing: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program is not there; %1 is its path.</extracomment>
        <translation>%1 est absent&#x202f;: les textes du programme restent en anglais.</translation>
    </message>
    <message>
        <source>%1 is damaged: the program&apos;s texts stay in English.</source>
        <extracomment>A translation file of the program cannot be used; %1 is its path.</extracomment>
        <translation>%1 est endommagé&#x202f;: les textes du programme restent en anglais.</translation>
    </message>
    <message>
        <source>%1 is missing: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs (buttons, the folder picker) is not there; %1 is its path.</extracomment>
        <translation>%1 est absent&#x202f;: les boîtes de dialogue de Qt restent en anglais.</translation>
    </message>
    <message>
        <source>%1 is damaged: Qt&apos;s own dialogs stay in English.</source>
        <extracomment>Qt&apos;s translation of its own dialogs cannot be used; %1 is its path.</extracomment>
        <translation>%1 est endommagé&#x202f;: les boîtes de dialogue de Qt restent en anglais.</translation>
    </message>
</context>
<context>
    <name>shell::Platform</name>
    <message>
        <source>The web site %1 could not be opened: no web browser could be started</source>
        <translation>Le site web %1 n’a pas pu être ouvert&#x202f;: aucun navigateur n’a pu démarrer</translation>
    </message>
</context>
<context>
    <name>shell::Pointer</name>
    <message>
        <source>Invalid picture: %1</source>
        <translation>Image incorrecte&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>shell::Random</name>
    <message>
        <source>The random number library could not be started</source>
        <translation>La bibliothèque de nombres aléatoires n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: the limit of a random pick must be at least 1</source>
        <translation>Appel de procédure ou argument incorrect&#x202f;: la limite d’un tirage au hasard doit valoir au moins 1</translation>
    </message>
</context>
<context>
    <name>shell::ShellHelpers</name>
    <message>
        <source>Invalid procedure call or argument: the system names no desktop folder</source>
        <translation>Appel de procédure ou argument incorrect&#x202f;: le système n’indique aucun dossier de bureau</translation>
    </message>
    <message>
        <source>The skin file %1 cannot be read: %2</source>
        <translation>Le fichier d’habillage %1 est illisible&#x202f;: %2</translation>
    </message>
    <message>
        <source>The skin file %1 is not a valid style sheet: %2</source>
        <translation>Le fichier d’habillage %1 n’est pas une feuille de style valable&#x202f;: %2</translation>
    </message>
</context>
<context>
    <name>tally::DeckGrid</name>
    <message>
        <source>The deck</source>
        <translation>Le jeu</translation>
    </message>
</context>
<context>
    <name>tally::FigureTable</name>
    <message>
        <source>Drawn</source>
        <translation>Tirées</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendues</translation>
    </message>
    <message>
        <source>Next card</source>
        <translation>Carte suivante</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
</context>
<context>
    <name>tally::ShareChart</name>
    <message>
        <source>Draw number</source>
        <translation>Numéro du tirage</translation>
    </message>
</context>
<context>
    <name>tally::TallyPanel</name>
    <message>
        <source>Suits</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Rouge et noir</translation>
    </message>
    <message>
        <source>Face cards and number cards</source>
        <translation>Figures et cartes numérotées</translation>
    </message>
    <message>
        <source>J, Q, K</source>
        <translation>V, D, R</translation>
    </message>
    <message>
        <source>A to 10</source>
        <translation>As à 10</translation>
    </message>
    <message>
        <source>Face cards</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>Number cards</source>
        <translation>Cartes numérotées</translation>
    </message>
    <message>
        <source>Ranks</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Share of each suit over the draws</source>
        <translation>Part de chaque couleur au fil des tirages</translation>
    </message>
    <message>
        <source>Putting each card back</source>
        <translation>Chaque carte est remise</translation>
    </message>
    <message>
        <source>Without putting back</source>
        <translation>Sans remise</translation>
    </message>
</context>
<context>
    <name>tally::TallyWindow</name>
    <message>
        <source>Dealwright: tally of draws</source>
        <translation>Dealwright&#x202f;: bilan des tirages</translation>
    </message>
    <message>
        <source>Draw many cards at once, putting each back:</source>
        <translation>Tirer beaucoup de cartes d’un coup, en remettant chacune&#x202f;:</translation>
    </message>
    <message>
        <source>Draw 10</source>
        <translation>Tirer 10</translation>
    </message>
    <message>
        <source>Draw 100</source>
        <translation>Tirer 100</translation>
    </message>
    <message>
        <source>Draw 1000</source>
        <translation>Tirer 1000</translation>
    </message>
    <message numerus="yes">
        <source>Adds %n draws with putting back.</source>
        <translation>
            <numerusform>Ajoute %n tirage avec remise.</numerusform>
            <numerusform>Ajoute %n tirages avec remise.</numerusform>
        </translation>
    </message>
</context>
</TS>
