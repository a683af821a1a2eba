// The "Scoring stations" part of the live results window: adds and revokes stations, shows a
// station's link as a QR code, the stations' last contact and entries, the entries as they come,
// resolves the entries held for the office, and sets whether an entry needs a second one.
#pragma once

#include "log/StationStore.h"

#include <QGroupBox>
#include <QTimer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace marvola {

class StationDesk;
struct Kilpailu;

class StationsPanel : public QGroupBox
{
    Q_OBJECT

public:
    StationsPanel(StationDesk &desk, const Kilpailu &kilpailu, QWidget *parent = nullptr);

    // "http://ADDRESS:PORT/" of the running server, empty while it is off.
    void setServerAddress(const QString &address);
    // The link of the station chosen in the list, empty when none is.
    QString shownLink() const { return m_link; }

private:
    void addStation();
    void revokeStation();
    void showStations();
    void showEntries();
    void showChosenStation();
    void resolve(bool takeStations);
    void chooseTwoMatching(bool on);

    StationDesk &m_desk;
    const Kilpailu &m_kilpailu;
    QString m_serverAddress;
    // The lists follow the stations a moment later, once for many entries arriving together.
    QTimer m_followTimer;
    QString m_link;

    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_disciplinesEdit = nullptr;
    QTreeWidget *m_stationList = nullptr;
    QPushButton *m_revokeButton = nullptr;
    QLabel *m_linkLabel = nullptr;
    QLineEdit *m_linkEdit = nullptr; // the whole link, to copy
    QLabel *m_linkQrLabel = nullptr;
    QTreeWidget *m_entryList = nullptr;
    QPushButton *m_keepButton = nullptr;
    QPushButton *m_takeButton = nullptr;
    QCheckBox *m_twoMatchingBox = nullptr;
};

} // namespace marvola
