// The lists' stages in the window: post chosen lists as provisional results, declare them
// official, or reopen official ones with a reason. Each is one change of the match, logged.
#pragma once

#include <QDateTime>
#include <QDialog>

#include <functional>

class QLineEdit;
class QListWidget;
class QSpinBox;

namespace marvola {

class MatchSession;

class ListStatusDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Action { Post, DeclareOfficial, Reopen };
    using Clock = std::function<QDateTime()>;

    ListStatusDialog(
        MatchSession &session, Action action, QWidget *parent = nullptr, Clock clock = {});

    // The lists ticked, by caption in printing order.
    QStringList chosenLists() const;

public slots:
    void accept() override;

private:
    void buildList();
    void tickAll(bool ticked);
    bool confirmTies(const QStringList &captions);
    bool confirmEarlyDeclaration(const QStringList &captions, const QDateTime &now);

    MatchSession &m_session;
    Action m_action;
    Clock m_clock;
    QListWidget *m_lists = nullptr;
    QSpinBox *m_window = nullptr; // posting: the challenge window in minutes
    QLineEdit *m_reason = nullptr; // reopening: why
};

} // namespace marvola
