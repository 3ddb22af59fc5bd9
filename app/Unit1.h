#pragma once
// The main window: every control of the drill, and the handlers that wire its events to the
// drill rules.

#include <QWidget>

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* ouder = nullptr);
};
