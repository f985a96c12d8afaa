/* Dealwright skin: the chooser. */
QWidget#Form1 {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1f7a46, stop:1 #0f4f2c);
}
QPushButton {
    font-family: Arial;
    font-weight: bold;
    font-size: 11.25pt;
    color: #fdf6e3;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #b8232f, stop:1 #7d1420);
    border: 2px solid #f2d16b;
    border-radius: 8px;
    padding: 2px 14px;
}
QPushButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d23440, stop:1 #95202b);
    border-color: #ffe38a;
}
QPushButton:pressed {
    background: #6a111b;
    padding-top: 3px;
    padding-bottom: 1px;
}
QPushButton:focus {
    outline: none;
    border: 4px solid #ffffff;
    padding: 0px 12px;
}
QPushButton:focus:pressed {
    padding-top: 1px;
    padding-bottom: 0px;
}
QPushButton:disabled {
    color: #c8b8b8;
    background: #7a6a6a;
    border-color: #a09080;
}
