// The choice of the shooter register's file: the user's own or one on the club's shared folder.
#pragma once

#include <QDialog>

class QLineEdit;

namespace marvola {

class RegisterFileDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RegisterFileDialog(QWidget *parent = nullptr);

    // Shows the file chosen now, for another choice.
    void showChosenFile();
    // Opens the typed file as a register (made when missing) and keeps the choice; a file that
    // is not a register is refused with its reason, and the choice stays as it was.
    void accept() override;

private:
    void browse();

    QLineEdit *m_file = nullptr;
};

} // namespace marvola
