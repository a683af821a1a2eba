<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
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
        <translation>Användning: marvola [TÄVLING.mrv] [flaggor]

Utan flaggor öppnar programmet sitt fönster, med TÄVLING.mrv inläst när den anges.
Satsläget (inget fönster, ingen skärm behövs) läser in TÄVLING.mrv och skriver:
  --save OUT.mrv     tävlingens filer med namnet OUT.mrv
  --csv OUT.csv      de nio CSV-filerna med namnet OUT.csv
  --pdf OUT.pdf      resultatlistorna som en PDF-fil
  --html OUT.html    resultatlistorna som en HTML-fil
  --lists LISTS      listorna att skriva ut: kryssrutornas namn åtskilda med kommatecken,
                     till exempel &quot;BBPR,BBP Aggr,Standing Team&quot;, eller all (standard)
  --serve [HOST:]PORT  visar liveresultaten i nätverket tills Ctrl+C och läser in
                     tävlingen på nytt när dess filer ändras; HOST är som standard alla
                     gränssnitt (till exempel --serve 8080 eller --serve 127.0.0.1:8080)
  --check            listar resultat som ser fel ut, ett per rad (nummer, namn, gren,
                     brutna regler, åtskilda med tabb); slutstatus 3 när det finns
                     sådana, 0 när inga finns
  --recover          tillämpar först ändringarna i inmatningsloggen som saknas i de sparade
                     filerna (som fönstret erbjuder vid öppning) och säger hur många; med
                     --save registrerar loggen sparningen
  --log OUT.csv      inmatningsloggen som CSV (UTF-8): tid, källa, typ, nummer,
                     gren, fält, gammalt, nytt
  --old-layout       läser tävlingsfilen från den gamla versionen (&quot;Load old version files&quot;)
  --upload GROUPS    skickar gruppernas resultat (FP,BBP,SBP,SBR,BBR åtskilda med
                     kommatecken, eller all) till resultatdatabasen som databasfönstret
                     gör; förloppet på stderr, slutstatus 0 bara när allt skickades
    --db HOST[:PORT]   databasservern (krävs)
    --db-user USER     användarnamnet (krävs); lösenordet läses från
                       miljövariabeln MARVOLA_DB_PASSWORD eller, när den inte är satt,
                       frågas efter i terminalen; det anges aldrig på kommandoraden
    --db-ca FILE       CA-certifikatet som signerade serverns certifikat
                       (standard: det som sparats för värden, annars systemets)
    --replace          ersätter raderna som skickats tidigare för denna tävling och dess
                       grenar i en transaktion: vid fel ändras ingenting
  --version          programmets version
  --help             den här texten
</translation>
    </message>
</context>
<context>
    <name>CompetitorForm</name>
    <message>
        <source>Muodossa: Sukunimi Etunimi</source>
        <translation>Format: Efternamn Förnamn</translation>
    </message>
</context>
<context>
    <name>PrintedList</name>
    <message>
        <source>Pos.</source>
        <translation>Plac.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubb</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Tot.</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Kyckling</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkon</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Bagge</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Bagge</translation>
    </message>
    <message>
        <source>Ase</source>
        <translation>Vapen</translation>
    </message>
    <message>
        <source>Malli</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Kaliiperi</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Results %1</source>
        <translation>Resultat %1</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Esikatselu</source>
        <translation>Förhandsgranskning</translation>
    </message>
</context>
<context>
    <name>marvola::EntryLogWindow</name>
    <message>
        <source>Entry log</source>
        <translation>Inmatningslogg</translation>
    </message>
    <message>
        <source>Competitor or team number</source>
        <translation>Tävlandes eller lagets nummer</translation>
    </message>
    <message>
        <source>All disciplines</source>
        <translation>Alla grenar</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Källa</translation>
    </message>
    <message>
        <source>Old or new value</source>
        <translation>Gammalt eller nytt värde</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Uppdatera</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Visa</translation>
    </message>
    <message>
        <source>No change of this match has been logged yet.</source>
        <translation>Inga ändringar i den här tävlingen har loggats ännu.</translation>
    </message>
    <message>
        <source>Newest first; the log of %1 is read-only.</source>
        <translation>Nyaste först; loggen för %1 är skrivskyddad.</translation>
    </message>
</context>
<context>
    <name>marvola::MainWindow</name>
    <message>
        <source>Talletitko tiedot?</source>
        <translation>Har du sparat uppgifterna?</translation>
    </message>
    <message>
        <source>Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)</source>
        <translation>Siluettfiler (*.mrv);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Competitor Name</source>
        <translation>Tävlandes namn</translation>
    </message>
    <message>
        <source>Nro</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubb</translation>
    </message>
    <message>
        <source>Nat.</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Grenar</translation>
    </message>
    <message>
        <source>Changes are not logged: %1</source>
        <translation>Ändringar loggas inte: %1</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Verktygsfält</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Tävlande</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Spara fil</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Tävling</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Öppna s&amp;enaste</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Spara s&amp;om...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportera</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Competitors</source>
        <translation>&amp;Tävlande</translation>
    </message>
    <message>
        <source>&amp;Add/Modify</source>
        <translation>&amp;Lägg till/ändra</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultat</translation>
    </message>
    <message>
        <source>&amp;Check results...</source>
        <translation>&amp;Kontrollera resultat...</translation>
    </message>
    <message>
        <source>&amp;Entry log...</source>
        <translation>&amp;Inmatningslogg...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;pråk</translation>
    </message>
    <message>
        <source>The language changes when Marvola is started again.</source>
        <translation>Språket byts när Marvola startas om.</translation>
    </message>
    <message>
        <source>Find by name, club or number</source>
        <translation>Sök på namn, klubb eller nummer</translation>
    </message>
    <message>
        <source>Load old version files</source>
        <translation>Läs in filer från den gamla versionen</translation>
    </message>
    <message>
        <source>Tick only if you read files created with old version</source>
        <translation>Kryssa bara i om du läser filer som skapats med den gamla versionen</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Databas</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Skrev %1</translation>
    </message>
    <message>
        <source>Lataa tiedosto</source>
        <translation>Öppna fil</translation>
    </message>
    <message>
        <source>1 change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</source>
        <translation>1 ändring i inmatningsloggen gjordes i ett annat tillstånd av den här tävlingen (den har sedan sparats på annat håll eller ersatts) och återställs inte.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match (it was saved elsewhere or replaced since) and are not restored.</source>
        <translation>
            <numerusform>%n ändring i inmatningsloggen gjordes i ett annat tillstånd av den här tävlingen (den har sedan sparats på annat håll eller ersatts) och återställs inte.</numerusform>
            <numerusform>%n ändringar i inmatningsloggen gjordes i ett annat tillstånd av den här tävlingen (den har sedan sparats på annat håll eller ersatts) och återställs inte.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change made after the last save, at %1, was not saved. Restore it?</source>
        <translation>1 ändring som gjordes efter den senaste sparningen, kl. %1, sparades inte. Återställa den?</translation>
    </message>
    <message numerus="yes">
        <source>%n changes made after the last save, the last at %1, were not saved. Restore them?</source>
        <translation>
            <numerusform>%n ändring som gjordes efter den senaste sparningen, kl. %1, sparades inte. Återställa den?</numerusform>
            <numerusform>%n ändringar som gjordes efter den senaste sparningen, den sista kl. %1, sparades inte. Återställa dem?</numerusform>
        </translation>
    </message>
    <message>
        <source>Eipä ole montaa tulosta tallennettavana.</source>
        <translation>Det finns knappast några resultat att spara.</translation>
    </message>
    <message>
        <source>Talleta tiedosto</source>
        <translation>Spara fil</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Sparade %1</translation>
    </message>
    <message>
        <source>Exporttaa tiedosto</source>
        <translation>Exportera fil</translation>
    </message>
    <message>
        <source>csv tiedostot (*.csv)</source>
        <translation>CSV-filer (*.csv)</translation>
    </message>
    <message>
        <source>Exported %1 CSV files to %2: %3</source>
        <translation>Exporterade %1 CSV-filer till %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Continue?</source>
        <translation>
            <numerusform>%n resultat ser fel ut. Fortsätta?</numerusform>
            <numerusform>%n resultat ser fel ut. Fortsätta?</numerusform>
        </translation>
    </message>
    <message>
        <source>Show list</source>
        <translation>Visa listan</translation>
    </message>
    <message>
        <source>This version is early beta. If you find any bugs please report to: %1</source>
        <translation>Den här versionen är en tidig beta. Rapportera fel du hittar till: %1</translation>
    </message>
    <message>
        <source>S&amp;ystem</source>
        <translation>S&amp;ystemets språk</translation>
    </message>
</context>
<context>
    <name>marvola::ResultEntryDialog</name>
    <message>
        <source>Add/Edit Results</source>
        <translation>Lägg till/ändra resultat</translation>
    </message>
    <message>
        <source>Competitor</source>
        <translation>Tävlande</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Finals</source>
        <translation>Särskjutning</translation>
    </message>
    <message>
        <source>Clear Finals</source>
        <translation>Töm särskjutning</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Heltalsspill</translation>
    </message>
</context>
</TS>
