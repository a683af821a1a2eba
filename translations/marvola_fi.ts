<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: marvola [MATCH.mrv] [options]

Without options the program opens its window, with MATCH.mrv loaded when given.
Batch mode (no window, no display needed) loads MATCH.mrv and writes:
  --save OUT.mrv     the match file set named by OUT.mrv
  --csv OUT.csv      the nine CSV files named by OUT.csv
  --pdf OUT.pdf      the printed lists as a PDF file
  --html OUT.html    the printed lists as an HTML file
  --lists LISTS      the lists to print: check-box captions separated by commas,
                     for example &quot;BBPR,BBP Aggr,Standing Team&quot;, or all (the default)
  --serve [HOST:]PORT  serve the live results on the network until Ctrl+C, reloading
                     the match when its files change; HOST defaults to all
                     interfaces (for example --serve 8080 or --serve 127.0.0.1:8080)
  --check            list the results that look wrong, one line each (number, name,
                     discipline, rules broken, separated by tabs); exit status 3 when
                     there are some, 0 when none
  --recover          first apply the changes the entry log holds beyond the saved
                     set (as the window offers at an open), and say how many; with
                     --save the log records the save
  --log OUT.csv      the entry log as CSV (UTF-8): time, source, kind, number,
                     discipline, field, old, new
  --old-layout       read the match file of the old version (&quot;Load old version files&quot;)
  --upload GROUPS    send the results of the groups (FP,BBP,SBP,SBR,BBR separated by
                     commas, or all) to the results database, as the database dialog
                     does; progress on stderr, exit status 0 only when all was sent
    --db HOST[:PORT]   the database server (needed)
    --db-user USER     the user name (needed); the password is read from the
                       environment variable MARVOLA_DB_PASSWORD or, when that is
                       unset, asked on the terminal; never given on the command line
    --db-ca FILE       the CA certificate that signed the server&apos;s certificate
                       (default: the one remembered for the host, else the system&apos;s)
    --replace          replace the rows sent earlier for this match and its disciplines,
                       in one transaction: on any failure nothing is changed
  --version          the program&apos;s version
  --help             this text
</source>
        <translation>Käyttö: marvola [KILPAILU.mrv] [valinnat]

Ilman valintoja ohjelma avaa ikkunansa ja lataa KILPAILU.mrv:n, kun se annetaan.
Eräajo (ei ikkunaa, ei näyttöä) lataa KILPAILU.mrv:n ja kirjoittaa:
  --save OUT.mrv     kilpailun tiedostot nimellä OUT.mrv
  --csv OUT.csv      yhdeksän CSV-tiedostoa nimellä OUT.csv
  --pdf OUT.pdf      tulosluettelot PDF-tiedostona
  --html OUT.html    tulosluettelot HTML-tiedostona
  --lists LISTS      tulostettavat luettelot: valintaruutujen nimet pilkuin erotettuina,
                     esimerkiksi &quot;BBPR,BBP Aggr,Standing Team&quot;, tai all (oletus)
  --serve [HOST:]PORT  jakaa live-tulokset verkkoon Ctrl+C:hen asti ja lataa kilpailun
                     uudelleen, kun sen tiedostot muuttuvat; HOST on oletuksena kaikki
                     liitännät (esimerkiksi --serve 8080 tai --serve 127.0.0.1:8080)
  --check            luettelee väärältä näyttävät tulokset, yksi riviä kohden (numero, nimi,
                     laji, rikotut säännöt sarkaimin erotettuina); paluuarvo 3, kun
                     niitä on, 0 kun ei ole
  --recover          soveltaa ensin syöttölokin muutokset, jotka puuttuvat tallennetuista
                     tiedostoista (kuten ikkuna tarjoaa avattaessa), ja kertoo montako; kun
                     mukana on --save, loki kirjaa tallennuksen
  --log OUT.csv      syöttöloki CSV-muodossa (UTF-8): aika, lähde, tyyppi, numero,
                     laji, kenttä, vanha, uusi
  --old-layout       lukee vanhan version kilpailutiedoston (&quot;Load old version files&quot;)
  --upload GROUPS    lähettää ryhmien (FP,BBP,SBP,SBR,BBR pilkuin erotettuina tai all)
                     tulokset tulostietokantaan kuten tietokantaikkuna; eteneminen
                     stderr-virtaan, paluuarvo 0 vain, kun kaikki lähti
    --db HOST[:PORT]   tietokantapalvelin (pakollinen)
    --db-user USER     käyttäjätunnus (pakollinen); salasana luetaan
                       ympäristömuuttujasta MARVOLA_DB_PASSWORD tai, jos sitä ei ole,
                       kysytään päätteeltä; sitä ei koskaan anneta komentorivillä
    --db-ca FILE       CA-varmenne, joka on allekirjoittanut palvelimen varmenteen
                       (oletus: palvelimelle muistettu, muuten järjestelmän)
    --replace          korvaa tälle kilpailulle ja sen lajeille aiemmin lähetetyt rivit
                       yhdessä transaktiossa: virheen sattuessa mitään ei muuteta
  --version          ohjelman versio
  --help             tämä ohje
</translation>
    </message>
</context>
<context>
    <name>CompetitorForm</name>
    <message>
        <source>Muodossa: Sukunimi Etunimi</source>
        <translation>Muodossa: Sukunimi Etunimi</translation>
    </message>
</context>
<context>
    <name>PrintedList</name>
    <message>
        <source>Pos.</source>
        <translation>Sij.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Seura</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Yht.</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Kana</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Possu</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkkuna</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Pässi</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Pässi</translation>
    </message>
    <message>
        <source>Ase</source>
        <translation>Ase</translation>
    </message>
    <message>
        <source>Malli</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Kaliiperi</source>
        <translation>Kaliiperi</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Tulokset</translation>
    </message>
    <message>
        <source>Results %1</source>
        <translation>Tulokset %1</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Esikatselu</source>
        <translation>Esikatselu</translation>
    </message>
</context>
<context>
    <name>marvola::EntryLogWindow</name>
    <message>
        <source>Entry log</source>
        <translation>Syöttöloki</translation>
    </message>
    <message>
        <source>Competitor or team number</source>
        <translation>Kilpailijan tai joukkueen numero</translation>
    </message>
    <message>
        <source>All disciplines</source>
        <translation>Kaikki lajit</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Lähde</translation>
    </message>
    <message>
        <source>Old or new value</source>
        <translation>Vanha tai uusi arvo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Päivitä</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Näytä</translation>
    </message>
    <message>
        <source>No change of this match has been logged yet.</source>
        <translation>Tämän kilpailun muutoksia ei ole vielä kirjattu.</translation>
    </message>
    <message>
        <source>Newest first; the log of %1 is read-only.</source>
        <translation>Uusimmat ensin; tiedoston %1 loki on vain luettavissa.</translation>
    </message>
</context>
<context>
    <name>marvola::MainWindow</name>
    <message>
        <source>Talletitko tiedot?</source>
        <translation>Talletitko tiedot?</translation>
    </message>
    <message>
        <source>Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)</source>
        <translation>Siluettitiedostot (*.mrv);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Competitor Name</source>
        <translation>Kilpailijan nimi</translation>
    </message>
    <message>
        <source>Nro</source>
        <translation>Nro</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Seura</translation>
    </message>
    <message>
        <source>Nat.</source>
        <translation>Maa</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Lajit</translation>
    </message>
    <message>
        <source>Changes are not logged: %1</source>
        <translation>Muutoksia ei kirjata lokiin: %1</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Työkalurivi</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Kilpailijat</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Tulokset</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Avaa tiedosto</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Tallenna tiedosto</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Kilpailu</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Joukkueet</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Avaa...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Viimeksi a&amp;vatut</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>Vi&amp;e</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>T&amp;ulosta...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>T&amp;ietoja</translation>
    </message>
    <message>
        <source>&amp;Competitors</source>
        <translation>&amp;Kilpailijat</translation>
    </message>
    <message>
        <source>&amp;Add/Modify</source>
        <translation>&amp;Lisää/muokkaa</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>T&amp;ulokset</translation>
    </message>
    <message>
        <source>&amp;Check results...</source>
        <translation>&amp;Tarkista tulokset...</translation>
    </message>
    <message>
        <source>&amp;Entry log...</source>
        <translation>&amp;Syöttöloki...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>K&amp;ieli</translation>
    </message>
    <message>
        <source>The language changes when Marvola is started again.</source>
        <translation>Kieli vaihtuu, kun Marvola käynnistetään uudelleen.</translation>
    </message>
    <message>
        <source>Find by name, club or number</source>
        <translation>Hae nimellä, seuralla tai numerolla</translation>
    </message>
    <message>
        <source>Load old version files</source>
        <translation>Lataa vanhan version tiedostot</translation>
    </message>
    <message>
        <source>Tick only if you read files created with old version</source>
        <translation>Rastita vain, jos luet vanhalla versiolla tehtyjä tiedostoja</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Tietokanta</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Kirjoitettu %1</translation>
    </message>
    <message>
        <source>Lataa tiedosto</source>
        <translation>Lataa tiedosto</translation>
    </message>
    <message>
        <source>1 change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</source>
        <translation>Syöttölokin 1 muutos on tehty tämän kilpailun toiseen tilaan (se on sittemmin tallennettu muualla tai korvattu), eikä sitä palauteta.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match (it was saved elsewhere or replaced since) and are not restored.</source>
        <translation>
            <numerusform>Syöttölokin %n muutos on tehty tämän kilpailun toiseen tilaan (se on sittemmin tallennettu muualla tai korvattu), eikä sitä palauteta.</numerusform>
            <numerusform>Syöttölokin %n muutosta on tehty tämän kilpailun toiseen tilaan (se on sittemmin tallennettu muualla tai korvattu), eikä niitä palauteta.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change made after the last save, at %1, was not saved. Restore it?</source>
        <translation>Viimeisen tallennuksen jälkeen kello %1 tehtyä 1 muutosta ei tallennettu. Palautetaanko se?</translation>
    </message>
    <message numerus="yes">
        <source>%n changes made after the last save, the last at %1, were not saved. Restore them?</source>
        <translation>
            <numerusform>Viimeisen tallennuksen jälkeen kello %1 tehtyä %n muutosta ei tallennettu. Palautetaanko se?</numerusform>
            <numerusform>Viimeisen tallennuksen jälkeen tehtyjä %n muutosta (viimeisin kello %1) ei tallennettu. Palautetaanko ne?</numerusform>
        </translation>
    </message>
    <message>
        <source>Eipä ole montaa tulosta tallennettavana.</source>
        <translation>Eipä ole montaa tulosta tallennettavana.</translation>
    </message>
    <message>
        <source>Talleta tiedosto</source>
        <translation>Talleta tiedosto</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Tallennettu %1</translation>
    </message>
    <message>
        <source>Exporttaa tiedosto</source>
        <translation>Exporttaa tiedosto</translation>
    </message>
    <message>
        <source>csv tiedostot (*.csv)</source>
        <translation>CSV-tiedostot (*.csv)</translation>
    </message>
    <message>
        <source>Exported %1 CSV files to %2: %3</source>
        <translation>Viety %1 CSV-tiedostoa kansioon %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Continue?</source>
        <translation>
            <numerusform>%n tulos näyttää väärältä. Jatketaanko?</numerusform>
            <numerusform>%n tulosta näyttää väärältä. Jatketaanko?</numerusform>
        </translation>
    </message>
    <message>
        <source>Show list</source>
        <translation>Näytä lista</translation>
    </message>
    <message>
        <source>This version is early beta. If you find any bugs please report to: %1</source>
        <translation>Tämä versio on varhainen beta. Jos löydät virheitä, ilmoita niistä osoitteeseen: %1</translation>
    </message>
    <message>
        <source>S&amp;ystem</source>
        <translation>&amp;Järjestelmän kieli</translation>
    </message>
</context>
<context>
    <name>marvola::ResultEntryDialog</name>
    <message>
        <source>Add/Edit Results</source>
        <translation>Lisää/muokkaa tuloksia</translation>
    </message>
    <message>
        <source>Competitor</source>
        <translation>Kilpailija</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>Finals</source>
        <translation>Uusinnat</translation>
    </message>
    <message>
        <source>Clear Finals</source>
        <translation>Tyhjennä uusinnat</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Kokonaisluvun ylivuoto</translation>
    </message>
</context>
</TS>
