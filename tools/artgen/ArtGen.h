#pragma once
// The card-art generator: draws every picture of the card face control and
// the program's other image files from the generator's own shapes (no
// installed font), and encodes them in their committed file formats.
// The same run gives the same bytes on every machine.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace artgen {

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;

// Card-sized pictures, drawn as ARGB32 with alpha either 0 (transparent) or
// 255. Card numbers: 0..12 spades, 13..25 diamonds, 26..38 clubs,
// 39..51 hearts, each from the ace to the king.
QImage drawFace(int number);
QImage drawJoker(bool red);
QImage drawGreenRing();
QImage drawRedCross();
QImage drawBack(int number);  // 0..11

// The 68 card-sized pictures in one list: the faces, the red and the black
// joker, the green ring, the red cross and the backs, in this order. Each
// has its natural-size picture (as above) and a scalable form drawn from
// the same design: an SVG document with viewBox "0 0 71 96" made only of
// filled paths and gradients, for Qt SVG.
constexpr int CardPictureCount = 68;
QString cardPictureName(int index);  // "Card00" ... "Back11"
QImage drawCardPicture(int index);
QByteArray cardPictureSvg(int index);

// The seven animation frames, in the order aniAce1, aniAce2, aniBats,
// aniFace1, aniFace2, aniRobot1, aniRobot2; each is an 8-bit image with at
// most 16 colours.
constexpr int AnimCount = 7;
QImage drawAnim(int which);
QString animName(int which);  // "aniAce1" ...

// The control's icon (32 x 39, RGB), the program's window icon at a given
// size (ARGB, alpha 0 or 255) and the hand pointer (32 x 32, ARGB, alpha 0
// or 255).
QImage drawControlIcon();
QImage drawProgramIcon(int size);
// The program icon's scalable form, painted by the same code as
// drawProgramIcon: an SVG document with viewBox "0 0 64 64" made only of
// filled paths and gradients; throws std::runtime_error when the painting
// holds something that has no vector form.
constexpr int ProgramIconUnits = 64;
QByteArray programIconSvg();
QImage drawHandPointer();
constexpr int HandHotX = 9;
constexpr int HandHotY = 2;
// The hand pointer's scalable form for screens with more device pixels than
// logical ones: the same hand in the same 32 x 32 box (viewBox "0 0 32 32",
// the hotspot where the cursor file has it), made only of filled paths.
constexpr int HandUnits = 32;
QByteArray handPointerSvg();

// A drawn card-sized picture turned into the 256-colour palette picture that
// its GIF file holds: index 0 is the transparent colour (white, alpha 0).
QImage toPalette(const QImage &art);

// The committed picture files, by their path below assets/.
struct AssetFile {
    QString path;
    QByteArray bytes;
};
QList<AssetFile> buildAssets();

// The file names of the 76 control pictures below assets/pictures/ and of
// the scalable pictures below assets/scalable/.
QString faceFile(int number);
QString jokerFile(bool red);
QString greenRingFile();
QString redCrossFile();
QString backFile(int number);
QString animFile(int which);
QString controlIconFile();
QString scalableFile(int index);  // "Card00.svg" ...

// Writes every asset file below `folder`; returns "" or a description of
// what could not be written.
QString writeAssets(const QString &folder);

} // namespace artgen
