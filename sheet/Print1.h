#pragma once
// The print dialog: asks for the worksheet's title and whether a solutions page is wanted,
// writes the answer into the print request, and keeps the main window disabled while it is open.

#include "PrintVerzoek.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TPrintDialoog1 : public QDialog {
    Q_OBJECT
public:
    // A new dialog with the defaults; show() it. It deletes itself when closed.
    TPrintDialoog1(TPrintVerzoek& verzoek, QWidget* hoofdvenster);
    ~TPrintDialoog1() override;

    // Esc and every way of closing other than the two buttons: Cancel.
    void reject() override;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void FormActivate();
    void OKKnopClick();
    void CancelKnopClick();
    void Sluit(int uitkomst);

    TPrintVerzoek* verzoek;
    QPointer<QWidget> hoofdvenster;
    bool gesloten = false;

    QFrame* Panel1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QCheckBox* CheckBox1;
    QPushButton* OKKnop;
    QPushButton* CancelKnop;
};
