<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation>Usage: marvola [MATCH.mrv] [options]

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
</translation>
    </message>
</context>
<context>
    <name>CompetitorForm</name>
    <message>
        <source>Muodossa: Sukunimi Etunimi</source>
        <translation>Format: Surname First name</translation>
    </message>
</context>
<context>
    <name>PrintedList</name>
    <message>
        <source>Pos.</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Chicken</source>
        <translation>Chicken</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Pig</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turkey</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Passi</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Ase</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>Malli</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Kaliiperi</source>
        <translation>Caliber</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Results %1</source>
        <translation>Results %1</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Esikatselu</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>marvola::EntryLogWindow</name>
    <message>
        <source>Entry log</source>
        <translation>Entry log</translation>
    </message>
    <message>
        <source>Competitor or team number</source>
        <translation>Competitor or team number</translation>
    </message>
    <message>
        <source>All disciplines</source>
        <translation>All disciplines</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Old or new value</source>
        <translation>Old or new value</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>No change of this match has been logged yet.</source>
        <translation>No change of this match has been logged yet.</translation>
    </message>
    <message>
        <source>Newest first; the log of %1 is read-only.</source>
        <translation>Newest first; the log of %1 is read-only.</translation>
    </message>
</context>
<context>
    <name>marvola::MainWindow</name>
    <message>
        <source>Talletitko tiedot?</source>
        <translation>Did you save the data?</translation>
    </message>
    <message>
        <source>Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)</source>
        <translation>Silhouette files (*.mrv);;All files (*)</translation>
    </message>
    <message>
        <source>Competitor Name</source>
        <translation>Competitor Name</translation>
    </message>
    <message>
        <source>Nro</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Nat.</source>
        <translation>Nat.</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Disciplines</translation>
    </message>
    <message>
        <source>Changes are not logged: %1</source>
        <translation>Changes are not logged: %1</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Competitors</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>Match</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Competitors</source>
        <translation>&amp;Competitors</translation>
    </message>
    <message>
        <source>&amp;Add/Modify</source>
        <translation>&amp;Add/Modify</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Results</translation>
    </message>
    <message>
        <source>&amp;Check results...</source>
        <translation>&amp;Check results...</translation>
    </message>
    <message>
        <source>&amp;Entry log...</source>
        <translation>&amp;Entry log...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>The language changes when Marvola is started again.</source>
        <translation>The language changes when Marvola is started again.</translation>
    </message>
    <message>
        <source>Find by name, club or number</source>
        <translation>Find by name, club or number</translation>
    </message>
    <message>
        <source>Load old version files</source>
        <translation>Load old version files</translation>
    </message>
    <message>
        <source>Tick only if you read files created with old version</source>
        <translation>Tick only if you read files created with old version</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Wrote %1</translation>
    </message>
    <message>
        <source>Lataa tiedosto</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>1 change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</source>
        <translation>1 change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match (it was saved elsewhere or replaced since) and are not restored.</source>
        <translation>
            <numerusform>%n change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</numerusform>
            <numerusform>%n changes in the entry log were made on another state of this match (it was saved elsewhere or replaced since) and are not restored.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 change made after the last save, at %1, was not saved. Restore it?</source>
        <translation>1 change made after the last save, at %1, was not saved. Restore it?</translation>
    </message>
    <message numerus="yes">
        <source>%n changes made after the last save, the last at %1, were not saved. Restore them?</source>
        <translation>
            <numerusform>%n change made after the last save, at %1, was not saved. Restore it?</numerusform>
            <numerusform>%n changes made after the last save, the last at %1, were not saved. Restore them?</numerusform>
        </translation>
    </message>
    <message>
        <source>Eipä ole montaa tulosta tallennettavana.</source>
        <translation>There are hardly any results to save.</translation>
    </message>
    <message>
        <source>Talleta tiedosto</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Exporttaa tiedosto</source>
        <translation>Export file</translation>
    </message>
    <message>
        <source>csv tiedostot (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Exported %1 CSV files to %2: %3</source>
        <translation>Exported %1 CSV files to %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Continue?</source>
        <translation>
            <numerusform>%n entry looks wrong. Continue?</numerusform>
            <numerusform>%n entries look wrong. Continue?</numerusform>
        </translation>
    </message>
    <message>
        <source>Show list</source>
        <translation>Show list</translation>
    </message>
    <message>
        <source>This version is early beta. If you find any bugs please report to: %1</source>
        <translation>This version is early beta. If you find any bugs please report to: %1</translation>
    </message>
    <message>
        <source>S&amp;ystem</source>
        <translation>S&amp;ystem</translation>
    </message>
</context>
<context>
    <name>marvola::ResultEntryDialog</name>
    <message>
        <source>Add/Edit Results</source>
        <translation>Add/Edit Results</translation>
    </message>
    <message>
        <source>Competitor</source>
        <translation>Competitor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Finals</source>
        <translation>Finals</translation>
    </message>
    <message>
        <source>Clear Finals</source>
        <translation>Clear Finals</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Integer overflow</translation>
    </message>
</context>
</TS>
