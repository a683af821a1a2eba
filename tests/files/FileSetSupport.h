// Helpers of the match file tests: a sample match, a temporary folder and file bytes.
#pragma once

#include "files/MatchFiles.h"
#include "files/SafeFile.h"
#include "model/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <memory>

namespace marvola::testing {

inline QByteArray fileBytes(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Cuts a file short or pads it with zero bytes, as a crash or a damaged disk leaves it.
inline void resizeFile(const QString &name, qsizetype size)
{
    QByteArray bytes = fileBytes(name);
    bytes.resize(size, '\0');
    writeBytes(name, bytes);
}

// Which state of a match set a reader or a load is to find.
enum class Expect { OldSet, NewSet };

inline QByteArray crlfLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += toCp1252(line) + "\r\n";
    return bytes;
}

// A match with what a file set must carry through unchanged: a removed competitor (slot 2) and a
// never-used slot (3) between occupied ones, old characters after shorter texts, a team with its
// unused byte and reserved integers set.
inline std::unique_ptr<Kilpailu> sampleMatch()
{
    auto m = std::make_unique<Kilpailu>();
    TKilpailunTiedot &t = m->tiedot;
    t.Seura = QStringLiteral("Ähtärin Ampujat");
    t.Paikka = QStringLiteral("Łódź"); // Windows-1252 has no Ł or ź
    t.Alkupvm = QDate(2026, 6, 1);
    t.LoppuPvm = QDate(2026, 6, 2);
    t.KilpJohtaja = QStringLiteral("Aho Ari");
    t.Taso = QStringLiteral("SM");
    t.Ennatyskelpoinen = true;
    t.Mukana = {true, false, true, false, true};
    t.Laukaukset = {60, 40, 0, 40, 80};

    m->addCompetitor(
        QStringLiteral("Virtanen Matti Kalevi"), QStringLiteral("HAS"), QStringLiteral("FIN"));
    TKilpailija &k1 = m->kilpailijat[1];
    k1.Nimi.setText(QStringLiteral("Virtanen Matti"));
    k1.Osallistuu[BBPR] = k1.Osallistuu[SBRS] = true;
    k1.Luokka[SBRS].setText(Luokat::Eiluok);
    k1.Ase[BBPR].setText(QStringLiteral("Ruger"));
    k1.Kaliiperi[BBPR].setText(QStringLiteral(".357 Mag"));
    k1.Kana[BBPR] = 10;
    k1.Passi[BBPR] = 7;
    k1.Yhteensa[BBPR] = 17;
    k1.Sijoitus[SBRS] = -1;
    k1.f[4][SBRL].setText(QStringLiteral("12"));
    k1.f[4][SBRL].setText(QStringLiteral("x"));

    m->addCompetitor(
        QStringLiteral("Poistettu Pekka"), QStringLiteral("SSA"), QStringLiteral("SWE"));
    m->kilpailijat[2].Kana[BBPC] = 9;
    m->removeCompetitor(2);

    m->kilpailijat[4].Numero = 5;
    m->kilpailijat[4].Nimi.setText(QStringLiteral("Äijälä Åke Kustaa"));
    m->kilpailijat[4].Nimi.setText(QStringLiteral("Äijälä Åke"));
    m->kilpailijat[4].BBPCAggr = true;
    m->ViimeNumero = 5;

    TJoukkue &j = m->joukkueet[1];
    j.Nimi.setText(QStringLiteral("Hukat BBP"));
    j.Laji.setText(QStringLiteral("Stand"));
    j.Laji.setText(QStringLiteral("BBP"));
    j.Kilpailija
        = {Str25(QStringLiteral("Virtanen Matti")), Str25(QStringLiteral("Äijälä Åke")), Str25()};
    j.Unused = 0x5A;
    j.Varattu = {1, -2, 3, 0x7FFFFFFF, -0x7FFFFFFF - 1};
    m->joukkueet[3].Nimi.setText(QStringLiteral("Old team"));
    m->joukkueet[3].Nimi.clear();
    return m;
}

// Every test runs in its own folder, with the Finnish short date format "d.M.yyyy".
class FileSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_savedLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    }
    void TearDown() override { QLocale::setDefault(m_savedLocale); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList filesInFolder() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    // The four files of a set, for comparing sets byte by byte.
    static QList<QByteArray> setBytes(const QString &chosenName)
    {
        const MatchFileSet set = MatchFileSet::fromChosenName(chosenName);
        return {fileBytes(set.summary), fileBytes(set.match), fileBytes(set.results),
            fileBytes(set.teams)};
    }

    bool save(const QString &chosenName, const Kilpailu &m, QString &error)
    {
        return saveMatchFileSet(chosenName, m, matchSummaryLines(m.tiedot, false), error);
    }
    bool save(const QString &chosenName, const Kilpailu &m)
    {
        QString ignored;
        return save(chosenName, m, ignored);
    }

    LoadedMatch load(
        const QString &chosenName, bool oldLayout, const Kilpailu &current, QString &error)
    {
        return loadMatchFileSet(chosenName, oldLayout, current, error);
    }
    LoadedMatch load(
        const QString &chosenName, bool oldLayout = false, const Kilpailu &current = Kilpailu())
    {
        QString ignored;
        return load(chosenName, oldLayout, current, ignored);
    }

private:
    QTemporaryDir m_dir;
    QLocale m_savedLocale;
};

// A saved set c.mrv (the old set, its bytes kept) and a different match to save over it (the new
// set): the ground of every test of a save that is cut short, interrupted or read meanwhile.
class OldAndNewSetTest : public FileSetTest
{
protected:
    void SetUp() override
    {
        FileSetTest::SetUp();
        ASSERT_TRUE(save(path("c.mrv"), *sampleMatch()));
        m_oldSet = setBytes(path("c.mrv"));
        m_newMatch = sampleMatch();
        m_newMatch->tiedot.Seura = QStringLiteral("New club");
        m_newMatch->addCompetitor(QStringLiteral("Uusi Urho"), {}, {});
    }
    void TearDown() override
    {
        setCommitHook({});
        FileSetTest::TearDown();
    }

    QList<QByteArray> m_oldSet;
    std::unique_ptr<Kilpailu> m_newMatch;
};

} // namespace marvola::testing
