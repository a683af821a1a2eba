<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Live results could not start on port %1: %2</source>
        <translation>Live results could not start on port %1: %2</translation>
    </message>
</context>
<context>
    <name>Barcode</name>
    <message>
        <source>The barcode could not be made.</source>
        <translation>The barcode could not be made.</translation>
    </message>
    <message>
        <source>The barcode of %1 could not be made: %2</source>
        <translation>The barcode of %1 could not be made: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown group &quot;%1&quot; for --upload: give FP, BBP, SBP, SBR and BBR separated by commas, or all.</source>
        <translation>Unknown group &quot;%1&quot; for --upload: give FP, BBP, SBP, SBR and BBR separated by commas, or all.</translation>
    </message>
    <message>
        <source>No password for the upload: set MARVOLA_DB_PASSWORD, or run on a terminal to type it.</source>
        <translation>No password for the upload: set MARVOLA_DB_PASSWORD, or run on a terminal to type it.</translation>
    </message>
    <message>
        <source>Connecting to %1 as %2.</source>
        <translation>Connecting to %1 as %2.</translation>
    </message>
    <message>
        <source>Siirto valmis!</source>
        <translation>Upload complete!</translation>
    </message>
    <message numerus="yes">
        <source>%n rows sent, replacing those sent earlier.</source>
        <translation>
            <numerusform>%n row sent, replacing those sent earlier.</numerusform>
            <numerusform>%n rows sent, replacing those sent earlier.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows sent.</source>
        <translation>
            <numerusform>%n row sent.</numerusform>
            <numerusform>%n rows sent.</numerusform>
        </translation>
    </message>
    <message>
        <source>No changes to restore: the match has no entry log.</source>
        <translation>No changes to restore: the match has no entry log.</translation>
    </message>
    <message>
        <source>No changes to restore: the saved set holds every change.</source>
        <translation>No changes to restore: the saved set holds every change.</translation>
    </message>
    <message>
        <source>The name %1 is not valid in this system&apos;s character encoding; rename the file or use a UTF-8 name.</source>
        <translation>The name %1 is not valid in this system&apos;s character encoding; rename the file or use a UTF-8 name.</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <translation>%1 needs %2.</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>a file name</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>a value</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Only one match file can be given.</source>
        <translation>Only one match file can be given.</translation>
    </message>
    <message>
        <source>Batch mode needs the match file to read.</source>
        <translation>Batch mode needs the match file to read.</translation>
    </message>
    <message>
        <source>--db, --db-user, --db-ca and --replace go with --upload.</source>
        <translation>--db, --db-user, --db-ca and --replace go with --upload.</translation>
    </message>
    <message>
        <source>--upload needs --db HOST[:PORT] and --db-user USER.</source>
        <translation>--upload needs --db HOST[:PORT] and --db-user USER.</translation>
    </message>
    <message>
        <source>%1 needs [HOST:]PORT.</source>
        <translation>%1 needs [HOST:]PORT.</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in a window (%2): close it there, or save under another name.</source>
        <translation>The match %1 is open for writing in a window (%2): close it there, or save under another name.</translation>
    </message>
    <message>
        <source>The match %1 was changed on disk while this run read it: nothing is written.</source>
        <translation>The match %1 was changed on disk while this run read it: nothing is written.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes restored from the entry log, the last made at %1.</source>
        <translation>
            <numerusform>%n change restored from the entry log, made at %1.</numerusform>
            <numerusform>%n changes restored from the entry log, the last made at %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes restored from the entry log.</source>
        <translation>
            <numerusform>%n change restored from the entry log.</numerusform>
            <numerusform>%n changes restored from the entry log.</numerusform>
        </translation>
    </message>
    <message>
        <source>The match %1 is open in a window on another computer (%2): its entry log is read and written on that computer only. Run this there.</source>
        <translation>The match %1 is open in a window on another computer (%2): its entry log is read and written on that computer only. Run this there.</translation>
    </message>
    <message>
        <source>1 change restored from the entry log, made at %1.</source>
        <translation>1 change restored from the entry log, made at %1.</translation>
    </message>
    <message>
        <source>1 change restored from the entry log.</source>
        <translation>1 change restored from the entry log.</translation>
    </message>
    <message>
        <source>
Competitors from a list, into MATCH.mrv:
  --import FILE      adds and updates the competitors of a CSV or XLSX file;
                     prints LINE&lt;TAB&gt;REASON for each row not imported and ends
                     with the counts on stderr; without --save nothing is
                     written (a dry run); exit status 3 when rows were refused
    --sheet NAME       the workbook&apos;s sheet to read (default the first)
</source>
        <translation>
Competitors from a list, into MATCH.mrv:
  --import FILE      adds and updates the competitors of a CSV or XLSX file;
                     prints LINE&lt;TAB&gt;REASON for each row not imported and ends
                     with the counts on stderr; without --save nothing is
                     written (a dry run); exit status 3 when rows were refused
    --sheet NAME       the workbook&apos;s sheet to read (default the first)
</translation>
    </message>
    <message>
        <source>--sheet goes with --import.</source>
        <translation>--sheet goes with --import.</translation>
    </message>
    <message>
        <source>%1 has no column of names (name, nimi, namn or last name): nothing is imported.</source>
        <translation>%1 has no column of names (name, nimi, namn or last name): nothing is imported.</translation>
    </message>
    <message>
        <source>Columns not imported: %1.</source>
        <translation>Columns not imported: %1.</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 refused</source>
        <translation>%1 added, %2 updated, %3 refused</translation>
    </message>
    <message>
        <source>--relay-plan, --draw, --seed and --start-list do not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--relay-plan, --draw, --seed and --start-list do not go with --serve, --live, --add-station or --revoke-station.</translation>
    </message>
    <message>
        <source>--seed goes with --draw.</source>
        <translation>--seed goes with --draw.</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 18446744073709551615, not &quot;%1&quot;.</source>
        <translation>--seed needs a whole number from 0 to 18446744073709551615, not &quot;%1&quot;.</translation>
    </message>
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
  --shoot-offs       list the ties the results leave undecided at a prize place
                     (the first three of a discipline and of each class), one line
                     each: discipline, class (empty for the overall places), places,
                     then each competitor&apos;s number and name, separated by tabs;
                     exit status 3 when there are some, 0 when none
  --recover          first apply the changes the entry log holds beyond the saved
                     set (as the window offers at an open), and say how many; with
                     --save the log records the save
  --log OUT.csv      the entry log as CSV (UTF-8): time, source, kind, number,
                     discipline, field, old, new
  --add-station NAME a scoring station for phones on the firing line; prints its
                     id and secret on one line: ID SECRET (the station&apos;s link is
                     http://ADDRESS:PORT/station#ID.SECRET)
    --disciplines CODES  the disciplines it may score (BBPR,BBPC,...; default all)
  --revoke-station ID  the station&apos;s requests are refused from now on
  --live [HOST:]PORT opens the window with the live results and the scoring stations
                     served (not a batch option)
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
  --shoot-offs       list the ties the results leave undecided at a prize place
                     (the first three of a discipline and of each class), one line
                     each: discipline, class (empty for the overall places), places,
                     then each competitor&apos;s number and name, separated by tabs;
                     exit status 3 when there are some, 0 when none
  --recover          first apply the changes the entry log holds beyond the saved
                     set (as the window offers at an open), and say how many; with
                     --save the log records the save
  --log OUT.csv      the entry log as CSV (UTF-8): time, source, kind, number,
                     discipline, field, old, new
  --add-station NAME a scoring station for phones on the firing line; prints its
                     id and secret on one line: ID SECRET (the station&apos;s link is
                     http://ADDRESS:PORT/station#ID.SECRET)
    --disciplines CODES  the disciplines it may score (BBPR,BBPC,...; default all)
  --revoke-station ID  the station&apos;s requests are refused from now on
  --live [HOST:]PORT opens the window with the live results and the scoring stations
                     served (not a batch option)
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
    <message>
        <source>
The shooter register and the competitor list:
  --to-register      adds the match&apos;s shooters and results to the shooter register
                     (a match added again replaces its results there)
    --register FILE    the register&apos;s file (default: the one chosen in the window,
                       else shooters.sqlite in the user&apos;s data folder)
  --export-competitors OUT.csv|OUT.xlsx
                     writes the competitor list, one row per competitor and
                     discipline, with the headings the import reads
</source>
        <translation>
The shooter register and the competitor list:
  --to-register      adds the match&apos;s shooters and results to the shooter register
                     (a match added again replaces its results there)
    --register FILE    the register&apos;s file (default: the one chosen in the window,
                       else shooters.sqlite in the user&apos;s data folder)
  --export-competitors OUT.csv|OUT.xlsx
                     writes the competitor list, one row per competitor and
                     discipline, with the headings the import reads
</translation>
    </message>
    <message>
        <source>--serve runs on its own, without --save, --csv, --pdf, --html, --check, --shoot-offs, --upload, --recover or --log.</source>
        <translation>--serve runs on its own, without --save, --csv, --pdf, --html, --check, --shoot-offs, --upload, --recover or --log.</translation>
    </message>
    <message>
        <source>--export-competitors writes a .csv or an .xlsx file, not %1.</source>
        <translation>--export-competitors writes a .csv or an .xlsx file, not %1.</translation>
    </message>
    <message>
        <source>Draw seed: %1</source>
        <translation>Draw seed: %1</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in a window (%2): its changes are kept by that window; close it there before recovering.</source>
        <translation>The match %1 is open for writing in a window (%2): its changes are kept by that window; close it there before recovering.</translation>
    </message>
    <message>
        <source>The relay plan has no relay %1.</source>
        <translation>The relay plan has no relay %1.</translation>
    </message>
    <message>
        <source>--relay goes with --cards.</source>
        <translation>--relay goes with --cards.</translation>
    </message>
    <message>
        <source>--cards does not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--cards does not go with --serve, --live, --add-station or --revoke-station.</translation>
    </message>
    <message>
        <source>--relay needs a relay number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--relay needs a relay number from 1 to %1, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--window goes with --post.</source>
        <translation>--window goes with --post.</translation>
    </message>
    <message>
        <source>--window needs the challenge window in minutes, 0 to %1, not &quot;%2&quot;.</source>
        <translation>--window needs the challenge window in minutes, 0 to %1, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--reason goes with --reopen.</source>
        <translation>--reason goes with --reopen.</translation>
    </message>
    <message>
        <source>--reopen needs the reason: --reason TEXT.</source>
        <translation>--reopen needs the reason: --reason TEXT.</translation>
    </message>
    <message>
        <source>--post, --declare-official and --reopen do not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--post, --declare-official and --reopen do not go with --serve, --live, --add-station or --revoke-station.</translation>
    </message>
    <message>
        <source>%1 is declared official before its challenge window ends at %2.</source>
        <translation>%1 is declared official before its challenge window ends at %2.</translation>
    </message>
    <message>
        <source>%1 is declared official without having been posted.</source>
        <translation>%1 is declared official without having been posted.</translation>
    </message>
    <message>
        <source>--xlsx does not go with --serve, --add-station or --revoke-station.</source>
        <translation>--xlsx does not go with --serve, --add-station or --revoke-station.</translation>
    </message>
    <message>
        <source>--xlsx writes an .xlsx file, not %1.</source>
        <translation>--xlsx writes an .xlsx file, not %1.</translation>
    </message>
    <message>
        <source>
The results workbook (in one run with the other outputs, such as --csv and --pdf):
  --xlsx OUT.xlsx    the results as a workbook: a sheet per printed list, named by
                     its caption, with the rows and columns of its tab, figures as
                     numbers; and a sheet of the competitors with their member
                     numbers and entered disciplines
</source>
        <translation>
The results workbook (in one run with the other outputs, such as --csv and --pdf):
  --xlsx OUT.xlsx    the results as a workbook: a sheet per printed list, named by
                     its caption, with the rows and columns of its tab, figures as
                     numbers; and a sheet of the competitors with their member
                     numbers and entered disciplines
</translation>
    </message>
    <message>
        <source>
Relays (in one run with each other and with the options above; --save keeps the
plan and the places with the match):
  --relay-plan FILE  the relay plan as CSV: the heading
                     disciplines;relay;start;minutes;points, then one relay a line,
                     separated by ; or , (for example BBPR BBPC;1;08:00;45;20, the
                     disciplines separated by blanks); a malformed line is printed
                     as LINE&lt;TAB&gt;REASON, exit status 1, nothing written
  --draw             draw every entered discipline of every competitor into the
                     plan&apos;s relays and points; each entry that cannot be placed is
                     printed as NUMBER&lt;TAB&gt;CODE&lt;TAB&gt;REASON, exit status 3
    --seed N         the draw&apos;s seed: the same seed and match give the same draw
                     (without it a new seed, printed on stderr)
  --start-list OUT.csv  the start list (UTF-8): relay;start;point;number;name;club;
                     discipline, one line per place, by relay and point
</source>
        <translation>
Relays (in one run with each other and with the options above; --save keeps the
plan and the places with the match):
  --relay-plan FILE  the relay plan as CSV: the heading
                     disciplines;relay;start;minutes;points, then one relay a line,
                     separated by ; or , (for example BBPR BBPC;1;08:00;45;20, the
                     disciplines separated by blanks); a malformed line is printed
                     as LINE&lt;TAB&gt;REASON, exit status 1, nothing written
  --draw             draw every entered discipline of every competitor into the
                     plan&apos;s relays and points; each entry that cannot be placed is
                     printed as NUMBER&lt;TAB&gt;CODE&lt;TAB&gt;REASON, exit status 3
    --seed N         the draw&apos;s seed: the same seed and match give the same draw
                     (without it a new seed, printed on stderr)
  --start-list OUT.csv  the start list (UTF-8): relay;start;point;number;name;club;
                     discipline, one line per place, by relay and point
</translation>
    </message>
    <message>
        <source>  --cards OUT.pdf    the score cards, four to an A4 page: one per entered discipline
                     of each competitor, by relay and point, those without a place
                     last; each with the barcode NUMBER/CODE
    --relay N        only the cards of relay N
</source>
        <translation>  --cards OUT.pdf    the score cards, four to an A4 page: one per entered discipline
                     of each competitor, by relay and point, those without a place
                     last; each with the barcode NUMBER/CODE
    --relay N        only the cards of relay N
</translation>
    </message>
    <message>
        <source>
The lists&apos; status (kept in MATCH.mrv at once, without --save; LISTS are the print
captions separated by commas, or all):
  --post LISTS       posts the lists as provisional results; a challenge window
                     starts (the match&apos;s, 60 minutes unless set); an undecided tie
                     at a prize place is named on stderr
    --window MIN       the challenge window of this posting, in minutes
  --declare-official LISTS  declares the lists official; before the challenge
                     window has ended the run goes ahead and says so on stderr
  --reopen LISTS     reopens official lists, with --reason TEXT
A change that would alter an official list (an import, a recovery) is refused
with exit status 1 and nothing is written.
</source>
        <translation>
The lists&apos; status (kept in MATCH.mrv at once, without --save; LISTS are the print
captions separated by commas, or all):
  --post LISTS       posts the lists as provisional results; a challenge window
                     starts (the match&apos;s, 60 minutes unless set); an undecided tie
                     at a prize place is named on stderr
    --window MIN       the challenge window of this posting, in minutes
  --declare-official LISTS  declares the lists official; before the challenge
                     window has ended the run goes ahead and says so on stderr
  --reopen LISTS     reopens official lists, with --reason TEXT
A change that would alter an official list (an import, a recovery) is refused
with exit status 1 and nothing is written.
</translation>
    </message>
    <message>
        <source>
Result sheets (a page per competitor, in the competitor&apos;s language where the
shooter register has one, else the program&apos;s):
  --sheets OUT.pdf   one PDF, a page per competitor in number order
  --sheets DIR/      a PDF per competitor in the folder, named NUMBER-NAME.pdf
  --mail-sheets      each competitor with an e-mail address (the match&apos;s, else the
                     register&apos;s) gets their sheet as a PDF; a line per competitor on
                     stderr; each message is kept in the entry log, and a competitor
                     whose sheet the server took before is skipped; exit status 0
                     only when every message was accepted
    --smtp HOST[:PORT] the mail server (needed; port 587 with STARTTLS, or 465 with
                       TLS); a server without either is refused unless it is this
                       computer or --smtp-allow-unencrypted is given
    --from ADDRESS     the sender&apos;s address (needed)
    --smtp-user USER   log in as USER; the password is read from the environment
                       variable MARVOLA_SMTP_PASSWORD or, when that is unset, asked
                       on the terminal; never given on the command line
    --smtp-allow-unencrypted  accept a server that offers no encryption
    --resend           send also to those who have their sheet
  --only NUMBERS     only these competitors (12,15,20-25) for --sheets and
                     --mail-sheets
  --register FILE    the shooter register the languages and addresses come from
                     (default: the one chosen in the window, when it exists)
</source>
        <translation>
Result sheets (a page per competitor, in the competitor&apos;s language where the
shooter register has one, else the program&apos;s):
  --sheets OUT.pdf   one PDF, a page per competitor in number order
  --sheets DIR/      a PDF per competitor in the folder, named NUMBER-NAME.pdf
  --mail-sheets      each competitor with an e-mail address (the match&apos;s, else the
                     register&apos;s) gets their sheet as a PDF; a line per competitor on
                     stderr; each message is kept in the entry log, and a competitor
                     whose sheet the server took before is skipped; exit status 0
                     only when every message was accepted
    --smtp HOST[:PORT] the mail server (needed; port 587 with STARTTLS, or 465 with
                       TLS); a server without either is refused unless it is this
                       computer or --smtp-allow-unencrypted is given
    --from ADDRESS     the sender&apos;s address (needed)
    --smtp-user USER   log in as USER; the password is read from the environment
                       variable MARVOLA_SMTP_PASSWORD or, when that is unset, asked
                       on the terminal; never given on the command line
    --smtp-allow-unencrypted  accept a server that offers no encryption
    --resend           send also to those who have their sheet
  --only NUMBERS     only these competitors (12,15,20-25) for --sheets and
                     --mail-sheets
  --register FILE    the shooter register the languages and addresses come from
                     (default: the one chosen in the window, when it exists)
</translation>
    </message>
    <message>
        <source>--register goes with --to-register, --sheets or --mail-sheets.</source>
        <translation>--register goes with --to-register, --sheets or --mail-sheets.</translation>
    </message>
    <message>
        <source>--smtp, --smtp-user, --from, --resend and --smtp-allow-unencrypted go with --mail-sheets.</source>
        <translation>--smtp, --smtp-user, --from, --resend and --smtp-allow-unencrypted go with --mail-sheets.</translation>
    </message>
    <message>
        <source>--mail-sheets needs --smtp HOST[:PORT] and --from ADDRESS.</source>
        <translation>--mail-sheets needs --smtp HOST[:PORT] and --from ADDRESS.</translation>
    </message>
    <message>
        <source>--only goes with --sheets or --mail-sheets.</source>
        <translation>--only goes with --sheets or --mail-sheets.</translation>
    </message>
    <message>
        <source>--only takes competitor numbers such as 12,15,20-25, not &quot;%1&quot;.</source>
        <translation>--only takes competitor numbers such as 12,15,20-25, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--only names no competitor.</source>
        <translation>--only names no competitor.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>The folder %1 cannot be made.</translation>
    </message>
    <message>
        <source>--from needs an e-mail address, not &quot;%1&quot;.</source>
        <translation>--from needs an e-mail address, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No password for the mail server: set MARVOLA_SMTP_PASSWORD, or run on a terminal to type it.</source>
        <translation>No password for the mail server: set MARVOLA_SMTP_PASSWORD, or run on a terminal to type it.</translation>
    </message>
    <message>
        <source>--draw needs a relay plan: --relay-plan FILE, or a match that keeps one.</source>
        <translation>--draw needs a relay plan: --relay-plan FILE, or a match that keeps one.</translation>
    </message>
    <message>
        <source>No competitor has a result sheet to make.</source>
        <translation>No competitor has a result sheet to make.</translation>
    </message>
    <message>
        <source>The entry log of %1 holds entries made after the last save: restore them first (add --recover, or open the match in the window). Nothing was written.</source>
        <translation>The entry log of %1 holds entries made after the last save: restore them first (add --recover, or open the match in the window). Nothing was written.</translation>
    </message>
</context>
<context>
    <name>CompetitorExport</name>
    <message>
        <source>The workbook cannot be made: %1</source>
        <translation>The workbook cannot be made: %1</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Eipä ole paljoa tallennettavaa.</source>
        <translation>There is not much to save.</translation>
    </message>
</context>
<context>
    <name>Disciplines</name>
    <message>
        <source>Big Bore Pistol Revolver</source>
        <translation>Big Bore Pistol Revolver</translation>
    </message>
    <message>
        <source>Big Bore Pistol Conventional</source>
        <translation>Big Bore Pistol Conventional</translation>
    </message>
    <message>
        <source>Big Bore Pistol Production</source>
        <translation>Big Bore Pistol Production</translation>
    </message>
    <message>
        <source>Big Bore Pistol Standing</source>
        <translation>Big Bore Pistol Standing</translation>
    </message>
    <message>
        <source>Big Bore Pistol Unlimited</source>
        <translation>Big Bore Pistol Unlimited</translation>
    </message>
    <message>
        <source>Small Bore Pistol Revolver</source>
        <translation>Small Bore Pistol Revolver</translation>
    </message>
    <message>
        <source>Small Bore Pistol Conventional</source>
        <translation>Small Bore Pistol Conventional</translation>
    </message>
    <message>
        <source>Small Bore Pistol Production</source>
        <translation>Small Bore Pistol Production</translation>
    </message>
    <message>
        <source>Small Bore Pistol Standing</source>
        <translation>Small Bore Pistol Standing</translation>
    </message>
    <message>
        <source>Small Bore Pistol Unlimited</source>
        <translation>Small Bore Pistol Unlimited</translation>
    </message>
    <message>
        <source>Field Pistol Production</source>
        <translation>Field Pistol Production</translation>
    </message>
    <message>
        <source>Field Pistol Production Any Sight</source>
        <translation>Field Pistol Production Any Sight</translation>
    </message>
    <message>
        <source>Big Bore Rifle Silhouette</source>
        <translation>Big Bore Rifle Silhouette</translation>
    </message>
    <message>
        <source>Big Bore Rifle Hunter</source>
        <translation>Big Bore Rifle Hunter</translation>
    </message>
    <message>
        <source>Small Bore Rifle Silhouette</source>
        <translation>Small Bore Rifle Silhouette</translation>
    </message>
    <message>
        <source>Small Bore Rifle Light</source>
        <translation>Small Bore Rifle Light</translation>
    </message>
    <message>
        <source>No Class</source>
        <translation>No Class</translation>
    </message>
    <message>
        <source>Big Bore Pistol Aggregate</source>
        <translation>Big Bore Pistol Aggregate</translation>
    </message>
    <message>
        <source>Field Pistol Aggregate</source>
        <translation>Field Pistol Aggregate</translation>
    </message>
    <message>
        <source>Small Bore Pistol Aggregate</source>
        <translation>Small Bore Pistol Aggregate</translation>
    </message>
    <message>
        <source>Standing Aggregate</source>
        <translation>Standing Aggregate</translation>
    </message>
    <message>
        <source>Small Bore Rifle Aggregate</source>
        <translation>Small Bore Rifle Aggregate</translation>
    </message>
    <message>
        <source>Big Bore Rifle Aggregate</source>
        <translation>Big Bore Rifle Aggregate</translation>
    </message>
    <message>
        <source>Big Bore Pistol Teams</source>
        <translation>Big Bore Pistol Teams</translation>
    </message>
    <message>
        <source>Small Bore Pistol Teams</source>
        <translation>Small Bore Pistol Teams</translation>
    </message>
    <message>
        <source>Field Pistol Teams</source>
        <translation>Field Pistol Teams</translation>
    </message>
    <message>
        <source>Small Bore Rifle Teams</source>
        <translation>Small Bore Rifle Teams</translation>
    </message>
    <message>
        <source>Big Bore Rifle Teams</source>
        <translation>Big Bore Rifle Teams</translation>
    </message>
    <message>
        <source>Standing Teams</source>
        <translation>Standing Teams</translation>
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
</context>
<context>
    <name>EntryLog</name>
    <message>
        <source>it is not a plain file (a link, a pipe or a folder)</source>
        <translation>it is not a plain file (a link, a pipe or a folder)</translation>
    </message>
    <message>
        <source>it is not an entry log of Marvola</source>
        <translation>it is not an entry log of Marvola</translation>
    </message>
</context>
<context>
    <name>ImportColumns</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Last name</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Member number</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Shares gun with</source>
        <translation>Shares gun with</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Left-handed</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Caliber</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(not imported)</translation>
    </message>
    <message>
        <source>Entered in %1</source>
        <translation>Entered in %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The class &quot;%1&quot; is not valid in %2 (%3).</source>
        <translation>The class &quot;%1&quot; is not valid in %2 (%3).</translation>
    </message>
    <message>
        <source>Unknown discipline &quot;%1&quot;.</source>
        <translation>Unknown discipline &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has a character the match file cannot hold: %3.</source>
        <translation>%1 &quot;%2&quot; has a character the match file cannot hold: %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is longer than %3 characters.</source>
        <translation>%1 &quot;%2&quot; is longer than %3 characters.</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>The name</translation>
    </message>
    <message>
        <source>The club</source>
        <translation>The club</translation>
    </message>
    <message>
        <source>The nationality</source>
        <translation>The nationality</translation>
    </message>
    <message>
        <source>The class in %1</source>
        <translation>The class in %1</translation>
    </message>
    <message>
        <source>The gun in %1</source>
        <translation>The gun in %1</translation>
    </message>
    <message>
        <source>The model in %1</source>
        <translation>The model in %1</translation>
    </message>
    <message>
        <source>The caliber in %1</source>
        <translation>The caliber in %1</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>The name is empty.</translation>
    </message>
    <message>
        <source>The name is already in use: %1.</source>
        <translation>The name is already in use: %1.</translation>
    </message>
    <message>
        <source>The same name is on line %1.</source>
        <translation>The same name is on line %1.</translation>
    </message>
    <message>
        <source>Suspected duplicate of %1.</source>
        <translation>Suspected duplicate of %1.</translation>
    </message>
    <message>
        <source>The register is full: a match can have %1 competitors.</source>
        <translation>The register is full: a match can have %1 competitors.</translation>
    </message>
</context>
<context>
    <name>ImportTable</name>
    <message>
        <source>Line %1 has a field longer than %2 characters: this is not a list of competitors.</source>
        <translation>Line %1 has a field longer than %2 characters: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>The quotes opened on line %1 are never closed.</source>
        <translation>The quotes opened on line %1 are never closed.</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 columns: this is not a list of competitors.</source>
        <translation>Line %1 has more than %2 columns: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: this is not a list of competitors.</source>
        <translation>The file is larger than %1 MB: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>The file is not text: save the list as CSV or XLSX.</source>
        <translation>The file is not text: save the list as CSV or XLSX.</translation>
    </message>
    <message>
        <source>The file has more than %1 rows: this is not a list of competitors.</source>
        <translation>The file has more than %1 rows: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook: it has no sheets to choose from.</source>
        <translation>%1 is not an XLSX workbook: it has no sheets to choose from.</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
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
        <source>Total</source>
        <translation>Total</translation>
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
        <source>Passi</source>
        <translation>Ram</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Caliber</translation>
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
        <source>Nat.</source>
        <translation>Nat.</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Disciplines</translation>
    </message>
</context>
<context>
    <name>ListStatus</name>
    <message>
        <source>Provisional results, posted %1; challenges until %2</source>
        <translation>Provisional results, posted %1; challenges until %2</translation>
    </message>
    <message>
        <source>Official results, %1</source>
        <translation>Official results, %1</translation>
    </message>
    <message>
        <source>%1 class %2</source>
        <translation>%1 class %2</translation>
    </message>
    <message>
        <source>Posted with a tie that needs a shoot-off: %1, places %2: %3.</source>
        <translation>Posted with a tie that needs a shoot-off: %1, places %2: %3.</translation>
    </message>
    <message>
        <source>This would change official results (%1): nothing was changed. To correct them, reopen the list with a reason (Results &gt; Reopen lists..., or in batch --reopen LISTS --reason TEXT).</source>
        <translation>This would change official results (%1): nothing was changed. To correct them, reopen the list with a reason (Results &gt; Reopen lists..., or in batch --reopen LISTS --reason TEXT).</translation>
    </message>
</context>
<context>
    <name>LiveBoard</name>
    <message>
        <source>a save of the match is under way</source>
        <translation>a save of the match is under way</translation>
    </message>
    <message>
        <source>--serve: %1 is not an IP address.</source>
        <translation>--serve: %1 is not an IP address.</translation>
    </message>
    <message>
        <source>--serve: %1 is not a port number (0 to 65535).</source>
        <translation>--serve: %1 is not a port number (0 to 65535).</translation>
    </message>
</context>
<context>
    <name>LiveContent</name>
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
        <source>Gun</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Caliber</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Tot</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>All lists</translation>
    </message>
    <message>
        <source>Live results</source>
        <translation>Live results</translation>
    </message>
    <message>
        <source>Find a shooter</source>
        <translation>Find a shooter</translation>
    </message>
    <message>
        <source>Name, club or number</source>
        <translation>Name, club or number</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>No. %1, %2</source>
        <translation>No. %1, %2</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Type a name, a club or a number.</source>
        <translation>Type a name, a club or a number.</translation>
    </message>
    <message>
        <source>No shooter&apos;s name, club or number matches “%1”.</source>
        <translation>No shooter&apos;s name, club or number matches “%1”.</translation>
    </message>
    <message>
        <source>Last heard from the server:</source>
        <translation>Last heard from the server:</translation>
    </message>
    <message>
        <source>Not up to date: no answer from the results server since %1.</source>
        <translation>Not up to date: no answer from the results server since %1.</translation>
    </message>
    <message>
        <source>This list is no longer on the board.</source>
        <translation>This list is no longer on the board.</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Club: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Place: %1</translation>
    </message>
    <message>
        <source>Date: %1 - %2</source>
        <translation>Date: %1 - %2</translation>
    </message>
    <message>
        <source>Shoot-off pending</source>
        <translation>Shoot-off pending</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>%1 min left</translation>
    </message>
    <message>
        <source>Relays: now and next</source>
        <translation>Relays: now and next</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>Relays</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Shooting now</source>
        <translation>Shooting now</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Relay %1, %2–%3: %4</source>
        <translation>Relay %1, %2–%3: %4</translation>
    </message>
    <message>
        <source>No relay is shooting now.</source>
        <translation>No relay is shooting now.</translation>
    </message>
    <message>
        <source>No more relays are planned today.</source>
        <translation>No more relays are planned today.</translation>
    </message>
    <message>
        <source>At</source>
        <translation>At</translation>
    </message>
</context>
<context>
    <name>MailStore</name>
    <message>
        <source>The entry log %1 cannot be written: %2</source>
        <translation>The entry log %1 cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>No display: use the batch mode (marvola MATCH.mrv --pdf OUT.pdf, see --help) or run under xvfb-run.</source>
        <translation>No display: use the batch mode (marvola MATCH.mrv --pdf OUT.pdf, see --help) or run under xvfb-run.</translation>
    </message>
</context>
<context>
    <name>MatchChanges</name>
    <message>
        <source>The entry log holds the value &quot;%1&quot; for %2, which it cannot hold.</source>
        <translation>The entry log holds the value &quot;%1&quot; for %2, which it cannot hold.</translation>
    </message>
    <message>
        <source>The entry log names a field this program does not know: %1 %2 %3.</source>
        <translation>The entry log names a field this program does not know: %1 %2 %3.</translation>
    </message>
    <message>
        <source>The entry log&apos;s change of %1 for number %2 does not fit the match: its place holds number %3, or the number is another&apos;s.</source>
        <translation>The entry log&apos;s change of %1 for number %2 does not fit the match: its place holds number %3, or the number is another&apos;s.</translation>
    </message>
    <message>
        <source>The entry log holds a change this program does not know: %1 %2.</source>
        <translation>The entry log holds a change this program does not know: %1 %2.</translation>
    </message>
    <message>
        <source>The entry log&apos;s change of %1 holds a value this program cannot read: %2.</source>
        <translation>The entry log&apos;s change of %1 holds a value this program cannot read: %2.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 hits below 0</source>
        <translation>%1 hits below 0</translation>
    </message>
    <message>
        <source>%1 hits above %2, the targets of one animal</source>
        <translation>%1 hits above %2, the targets of one animal</translation>
    </message>
    <message>
        <source>Total above %1, the shots</source>
        <translation>Total above %1, the shots</translation>
    </message>
    <message>
        <source>Total %1 is not the sum of the hits, %2</source>
        <translation>Total %1 is not the sum of the hits, %2</translation>
    </message>
</context>
<context>
    <name>PrintLists</name>
    <message>
        <source>Unknown list &quot;%1&quot;. The lists are: %2.</source>
        <translation>Unknown list &quot;%1&quot;. The lists are: %2.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>RelayLists</name>
    <message>
        <source>Start list by relay</source>
        <translation>Start list by relay</translation>
    </message>
    <message>
        <source>Start list by club</source>
        <translation>Start list by club</translation>
    </message>
    <message>
        <source>Start list by competitor</source>
        <translation>Start list by competitor</translation>
    </message>
    <message>
        <source>Cards not returned</source>
        <translation>Cards not returned</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
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
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Relay %1, %2, %3 min: %4</source>
        <translation>Relay %1, %2, %3 min: %4</translation>
    </message>
    <message>
        <source>No club</source>
        <translation>No club</translation>
    </message>
    <message>
        <source>Relays ended by %1</source>
        <translation>Relays ended by %1</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>The report could not be sent to its destination.</source>
        <translation>The report could not be sent to its destination.</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
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
    <name>ResultSheet</name>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Shoot-off</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>In class</source>
        <translation>In class</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Aggregate</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Team list</source>
        <translation>Team list</translation>
    </message>
    <message>
        <source>Provisional results</source>
        <translation>Provisional results</translation>
    </message>
    <message>
        <source>Official results</source>
        <translation>Official results</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Result sheet</translation>
    </message>
    <message>
        <source>Result sheet %1</source>
        <translation>Result sheet %1</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Disciplines</translation>
    </message>
    <message>
        <source>No disciplines entered.</source>
        <translation>No disciplines entered.</translation>
    </message>
    <message>
        <source>Places are given as place / competitors. The overall first three are placed above the classes.</source>
        <translation>Places are given as place / competitors. The overall first three are placed above the classes.</translation>
    </message>
    <message>
        <source>Aggregates</source>
        <translation>Aggregates</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
</context>
<context>
    <name>ScoreCards</name>
    <message>
        <source>Score cards</source>
        <translation>Score cards</translation>
    </message>
    <message>
        <source>There are no score cards to print.</source>
        <translation>There are no score cards to print.</translation>
    </message>
</context>
<context>
    <name>SheetMail</name>
    <message>
        <source>Provisional results: %1</source>
        <translation>Provisional results: %1</translation>
    </message>
    <message>
        <source>Official results: %1</source>
        <translation>Official results: %1</translation>
    </message>
    <message>
        <source>Your results: %1</source>
        <translation>Your results: %1</translation>
    </message>
    <message>
        <source>Hello %1,</source>
        <translation>Hello %1,</translation>
    </message>
    <message>
        <source>your result sheet of %1, %2 - %3, is attached.</source>
        <translation>your result sheet of %1, %2 - %3, is attached.</translation>
    </message>
    <message>
        <source>The results are provisional and may still change.</source>
        <translation>The results are provisional and may still change.</translation>
    </message>
    <message>
        <source>The results are official.</source>
        <translation>The results are official.</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: sent (%3)</source>
        <translation>%1 &lt;%2&gt;: sent (%3)</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: NOT sent: %3</source>
        <translation>%1 &lt;%2&gt;: NOT sent: %3</translation>
    </message>
    <message>
        <source>%1: no e-mail address</source>
        <translation>%1: no e-mail address</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: sent before, not again</source>
        <translation>%1 &lt;%2&gt;: sent before, not again</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Scoring station</source>
        <translation>Scoring station</translation>
    </message>
    <message>
        <source>Nothing waiting</source>
        <translation>Nothing waiting</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 waiting</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Loading…</translation>
    </message>
    <message>
        <source>Scan the station&apos;s QR code on the office screen.</source>
        <translation>Scan the station&apos;s QR code on the office screen.</translation>
    </message>
    <message>
        <source>This phone is not paired with a station.</source>
        <translation>This phone is not paired with a station.</translation>
    </message>
    <message>
        <source>The office refused this station.</source>
        <translation>The office refused this station.</translation>
    </message>
    <message>
        <source>The office cannot be reached. Try again.</source>
        <translation>The office cannot be reached. Try again.</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Last sent</source>
        <translation>Last sent</translation>
    </message>
    <message>
        <source>%1: competitor</source>
        <translation>%1: competitor</translation>
    </message>
    <message>
        <source>Number or name</source>
        <translation>Number or name</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>No competitor found.</source>
        <translation>No competitor found.</translation>
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
        <source>too many</source>
        <translation>too many</translation>
    </message>
    <message>
        <source>Total %1 of %2</source>
        <translation>Total %1 of %2</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Shoot-off</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Please check, %1</source>
        <translation>Please check, %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>A count is more than the targets shot.</source>
        <translation>A count is more than the targets shot.</translation>
    </message>
    <message>
        <source>Competitor’s initials (optional)</source>
        <translation>Competitor’s initials (optional)</translation>
    </message>
    <message>
        <source>Confirm and send</source>
        <translation>Confirm and send</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>stored</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplicate</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflict</translation>
    </message>
    <message>
        <source>awaiting</source>
        <translation>awaiting</translation>
    </message>
    <message>
        <source>disagreement</source>
        <translation>disagreement</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Point %1</translation>
    </message>
</context>
<context>
    <name>StationStore</name>
    <message>
        <source>The entry log %1 cannot be written: %2</source>
        <translation>The entry log %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 is not a discipline code.</source>
        <translation>%1 is not a discipline code.</translation>
    </message>
    <message>
        <source>A station needs a name.</source>
        <translation>A station needs a name.</translation>
    </message>
    <message>
        <source>No free station id was found.</source>
        <translation>No free station id was found.</translation>
    </message>
    <message>
        <source>There is no station %1.</source>
        <translation>There is no station %1.</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>The file is larger than %1 MB: this is not a list of competitors.</source>
        <translation>The file is larger than %1 MB: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read.</source>
        <translation>%1 is not an XLSX workbook that can be read.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: it has no %2.</source>
        <translation>%1 is not an XLSX workbook that can be read: it has no %2.</translation>
    </message>
    <message>
        <source>%1 unpacks to more than %2 MB in %3: this is not a list of competitors.</source>
        <translation>%1 unpacks to more than %2 MB in %3: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: %2 (%3).</source>
        <translation>%1 is not an XLSX workbook that can be read: %2 (%3).</translation>
    </message>
    <message>
        <source>%1 has no sheet.</source>
        <translation>%1 has no sheet.</translation>
    </message>
    <message>
        <source>%1 has no sheet named &quot;%2&quot;; its sheets are: %3.</source>
        <translation>%1 has no sheet named &quot;%2&quot;; its sheets are: %3.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: its sheet has no part.</source>
        <translation>%1 is not an XLSX workbook that can be read: its sheet has no part.</translation>
    </message>
    <message>
        <source>%1 has more than %2 filled cells: this is not a list of competitors.</source>
        <translation>%1 has more than %2 filled cells: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has a value in column %2; a list of competitors has at most %3 columns.</source>
        <translation>Row %1 of the sheet has a value in column %2; a list of competitors has at most %3 columns.</translation>
    </message>
    <message>
        <source>The sheet has more than %1 rows: this is not a list of competitors.</source>
        <translation>The sheet has more than %1 rows: this is not a list of competitors.</translation>
    </message>
    <message>
        <source>The sheet is empty.</source>
        <translation>The sheet is empty.</translation>
    </message>
</context>
<context>
    <name>marvola</name>
    <message>
        <source>The body is not a JSON object.</source>
        <translation>The body is not a JSON object.</translation>
    </message>
    <message>
        <source>The id must be 1 to 64 letters, digits or hyphens.</source>
        <translation>The id must be 1 to 64 letters, digits or hyphens.</translation>
    </message>
    <message>
        <source>The competitor must be a competitor number.</source>
        <translation>The competitor must be a competitor number.</translation>
    </message>
    <message>
        <source>The discipline must be a discipline code such as BBPR.</source>
        <translation>The discipline must be a discipline code such as BBPR.</translation>
    </message>
    <message>
        <source>The hits of %1 must be a whole number.</source>
        <translation>The hits of %1 must be a whole number.</translation>
    </message>
    <message>
        <source>The total must be a whole number.</source>
        <translation>The total must be a whole number.</translation>
    </message>
    <message>
        <source>The shoot-off entries must be a list of at most five texts.</source>
        <translation>The shoot-off entries must be a list of at most five texts.</translation>
    </message>
    <message>
        <source>A shoot-off entry is a text of at most two characters.</source>
        <translation>A shoot-off entry is a text of at most two characters.</translation>
    </message>
    <message>
        <source>The shots must be a list of the targets&apos; marks.</source>
        <translation>The shots must be a list of the targets&apos; marks.</translation>
    </message>
    <message>
        <source>The initials must be a text of at most 10 characters.</source>
        <translation>The initials must be a text of at most 10 characters.</translation>
    </message>
    <message>
        <source>This station may not score %1.</source>
        <translation>This station may not score %1.</translation>
    </message>
    <message>
        <source>The total must be the sum of the hits.</source>
        <translation>The total must be the sum of the hits.</translation>
    </message>
    <message>
        <source>This station has used the largest counter the office takes (18 nines): pair the phone again.</source>
        <translation>This station has used the largest counter the office takes (18 nines): pair the phone again.</translation>
    </message>
    <message>
        <source>The counter is not above the last one accepted.</source>
        <translation>The counter is not above the last one accepted.</translation>
    </message>
    <message>
        <source>point %1 of relay %2 is given twice</source>
        <translation>point %1 of relay %2 is given twice</translation>
    </message>
    <message>
        <source>relay %1 overlaps relay %2, where this competitor shoots %3</source>
        <translation>relay %1 overlaps relay %2, where this competitor shoots %3</translation>
    </message>
    <message>
        <source>relay %1 overlaps relay %2 of %3, who shares the gun</source>
        <translation>relay %1 overlaps relay %2 of %3, who shares the gun</translation>
    </message>
    <message>
        <source>competitor %1 is not entered in %2</source>
        <translation>competitor %1 is not entered in %2</translation>
    </message>
    <message>
        <source>relay %1 is not in the plan</source>
        <translation>relay %1 is not in the plan</translation>
    </message>
    <message>
        <source>relay %1 does not shoot %2</source>
        <translation>relay %1 does not shoot %2</translation>
    </message>
    <message>
        <source>relay %1 has no point %2</source>
        <translation>relay %1 has no point %2</translation>
    </message>
    <message>
        <source>%1 fields where the heading has 5</source>
        <translation>%1 fields where the heading has 5</translation>
    </message>
    <message>
        <source>no discipline</source>
        <translation>no discipline</translation>
    </message>
    <message>
        <source>unknown discipline &quot;%1&quot;</source>
        <translation>unknown discipline &quot;%1&quot;</translation>
    </message>
    <message>
        <source>discipline %1 named twice</source>
        <translation>discipline %1 named twice</translation>
    </message>
    <message>
        <source>relay number &quot;%1&quot; is not a whole number from 1 to %2</source>
        <translation>relay number &quot;%1&quot; is not a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>start &quot;%1&quot; is not a time from 00:00 to 23:59</source>
        <translation>start &quot;%1&quot; is not a time from 00:00 to 23:59</translation>
    </message>
    <message>
        <source>length &quot;%1&quot; is not a number of minutes from 1 to %2</source>
        <translation>length &quot;%1&quot; is not a number of minutes from 1 to %2</translation>
    </message>
    <message>
        <source>points &quot;%1&quot; is not a whole number from 1 to %2</source>
        <translation>points &quot;%1&quot; is not a whole number from 1 to %2</translation>
    </message>
    <message>
        <source>the first line must be the heading disciplines;relay;start;minutes;points</source>
        <translation>the first line must be the heading disciplines;relay;start;minutes;points</translation>
    </message>
    <message>
        <source>relay %1 is already in the plan</source>
        <translation>relay %1 is already in the plan</translation>
    </message>
    <message>
        <source>the plan is empty: no heading line</source>
        <translation>the plan is empty: no heading line</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes: not a relay plan</source>
        <translation>%1 is larger than %2 bytes: not a relay plan</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Club: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Class: %1</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Shoot-off</translation>
    </message>
    <message>
        <source>Competitor&apos;s signature</source>
        <translation>Competitor&apos;s signature</translation>
    </message>
    <message>
        <source>Scorer&apos;s signature</source>
        <translation>Scorer&apos;s signature</translation>
    </message>
    <message>
        <source>There are no score cards to print.</source>
        <translation>There are no score cards to print.</translation>
    </message>
    <message>
        <source>Score cards</source>
        <translation>Score cards</translation>
    </message>
</context>
<context>
    <name>marvola::CheckResultsDialog</name>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>What looks wrong</source>
        <translation>What looks wrong</translation>
    </message>
    <message>
        <source>Check results</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>Every result follows the rules.</source>
        <translation>Every result follows the rules.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Double-click one to correct it.</source>
        <translation>
            <numerusform>%n entry looks wrong. Double-click it to correct it.</numerusform>
            <numerusform>%n entries look wrong. Double-click one to correct it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marvola::CompetitorEntryDialog</name>
    <message>
        <source>Add/Edit Competitor</source>
        <translation>Add/Edit Competitor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
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
        <source>Nationality</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Caliber</translation>
    </message>
    <message>
        <source>Aggr.</source>
        <translation>Aggr.</translation>
    </message>
</context>
<context>
    <name>marvola::CompetitorForm</name>
    <message>
        <source>Muodossa: Sukunimi Etunimi</source>
        <translation>As: Surname First name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Member or competitor numbers of those who shoot the same gun</source>
        <translation>Member or competitor numbers of those who shoot the same gun</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Left-handed</translation>
    </message>
    <message>
        <source>Member number</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Shares gun with</source>
        <translation>Shares gun with</translation>
    </message>
    <message>
        <source>The e-mail address is not valid.</source>
        <translation>The e-mail address is not valid.</translation>
    </message>
</context>
<context>
    <name>marvola::DatabaseDialog</name>
    <message>
        <source>Tämä moduuli on kokeellinen. Se lähettää kilpailun tulokset online-tietokantaan, josta liiton verkkosivuilla (%1) näytetään live-tilastoja kilpailun aikana.</source>
        <translation>This module is experimental. It sends the results of the match to the online database, from which the association&apos;s web pages (%1) show live statistics during the match.</translation>
    </message>
    <message>
        <source>1. Paina ensin &quot;Connect&quot; ja odota, että ylempään ruutuun tulee tuloksia.</source>
        <translation>1. First press &quot;Connect&quot; and wait until results appear in the upper box.</translation>
    </message>
    <message>
        <source>2. Valitse sitten lähetettävät lajit ja paina &quot;Send Results&quot;.</source>
        <translation>2. Then choose the disciplines to send and press &quot;Send Results&quot;.</translation>
    </message>
    <message>
        <source>3. Odota, että yllä olevaan ruutuun tulee ilmoitus onnistuneesta siirrosta. Paina lopuksi &quot;Disconnect&quot; ja sulje ikkuna.</source>
        <translation>3. Wait until the box above reports a successful upload. Finally press &quot;Disconnect&quot; and close the window.</translation>
    </message>
    <message>
        <source>Jos näkyviin tulee virheilmoitus, lähetä kilpailun neljä tulostiedostoa sähköpostilla osoitteeseen %1.</source>
        <translation>If an error message appears, send the four result files of the match by e-mail to %1.</translation>
    </message>
    <message>
        <source>Connnect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Send Results</source>
        <translation>Send Results</translation>
    </message>
    <message>
        <source>Replace the rows sent earlier for this match</source>
        <translation>Replace the rows sent earlier for this match</translation>
    </message>
    <message>
        <source>Export to database</source>
        <translation>Export to database</translation>
    </message>
    <message>
        <source>Siirto valmis!</source>
        <translation>Upload complete!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>marvola::DatabaseLoginDialog</name>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Allow unencrypted connection</source>
        <translation>Allow unencrypted connection</translation>
    </message>
    <message>
        <source>Database Login</source>
        <translation>Database Login</translation>
    </message>
    <message>
        <source>the system&apos;s certificates</source>
        <translation>the system&apos;s certificates</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Host Name:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>User Name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA file:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>CA certificate of the results server</source>
        <translation>CA certificate of the results server</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>Certificates (*.pem *.crt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>marvola::Draw</name>
    <message>
        <source>no relay of the plan shoots %1</source>
        <translation>no relay of the plan shoots %1</translation>
    </message>
    <message>
        <source>every relay of %1 with a free point overlaps a relay of %2, who shares the gun</source>
        <translation>every relay of %1 with a free point overlaps a relay of %2, who shares the gun</translation>
    </message>
    <message>
        <source>every relay of %1 with a free point overlaps another relay of this competitor</source>
        <translation>every relay of %1 with a free point overlaps another relay of this competitor</translation>
    </message>
    <message>
        <source>every relay of %1 is full</source>
        <translation>every relay of %1 is full</translation>
    </message>
    <message>
        <source>number %1 is given to two competitors</source>
        <translation>number %1 is given to two competitors</translation>
    </message>
</context>
<context>
    <name>marvola::EditCompetitorDialog</name>
    <message>
        <source>Nimi ei ole kelvollinen.</source>
        <translation>The name is not valid.</translation>
    </message>
    <message>
        <source>Tällä nimellä on jo kilpailija.</source>
        <translation>There is already a competitor with this name.</translation>
    </message>
    <message>
        <source>Edit Competitor</source>
        <translation>Edit Competitor</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
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
        <source>Nationality</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>%1 has results entered, and they are lost when the competitor is removed. Remove %1?</source>
        <translation>%1 has results entered, and they are lost when the competitor is removed. Remove %1?</translation>
    </message>
</context>
<context>
    <name>marvola::EditTeamDialog</name>
    <message>
        <source>To remove team: Clear team name and press OK</source>
        <translation>To remove team: Clear team name and press OK</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Edit Team</translation>
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
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>office</source>
        <translation>office</translation>
    </message>
    <message>
        <source>competitor</source>
        <translation>competitor</translation>
    </message>
    <message>
        <source>team</source>
        <translation>team</translation>
    </message>
    <message>
        <source>match</source>
        <translation>match</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>save</source>
        <translation>save</translation>
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
        <source>Nationality</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Entered</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Gun</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Caliber</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
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
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>First day</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Last day</translation>
    </message>
    <message>
        <source>Match Director</source>
        <translation>Match Director</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Group shot</source>
        <translation>Group shot</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Shots</translation>
    </message>
    <message>
        <source>Last number</source>
        <translation>Last number</translation>
    </message>
    <message>
        <source>station %1</source>
        <translation>station %1</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>restored</translation>
    </message>
    <message>
        <source>batch</source>
        <translation>batch</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>saving</translation>
    </message>
</context>
<context>
    <name>marvola::ImportDialog</name>
    <message>
        <source>Import Competitors</source>
        <translation>Import Competitors</translation>
    </message>
    <message>
        <source>Competitors from %1</source>
        <translation>Competitors from %1</translation>
    </message>
    <message>
        <source>(column %1 without heading)</source>
        <translation>(column %1 without heading)</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>What each column holds:</translation>
    </message>
    <message>
        <source>&amp;Shorten the texts that are too long for their fields</source>
        <translation>&amp;Shorten the texts that are too long for their fields</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
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
        <source>Disciplines</source>
        <translation>Disciplines</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>new</source>
        <translation>new</translation>
    </message>
    <message>
        <source>update</source>
        <translation>update</translation>
    </message>
    <message>
        <source>suspected duplicate</source>
        <translation>suspected duplicate</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>Updates %1.</source>
        <translation>Updates %1.</translation>
    </message>
    <message>
        <source>Import this row as a new competitor</source>
        <translation>Import this row as a new competitor</translation>
    </message>
    <message>
        <source>No column holds the names: choose the column of the name or of the last name.</source>
        <translation>No column holds the names: choose the column of the name or of the last name.</translation>
    </message>
    <message>
        <source>Also add them to the shooter &amp;register</source>
        <translation>Also add them to the shooter &amp;register</translation>
    </message>
    <message>
        <source>New: %1, updates: %2, suspected duplicates: %3, refused: %4. Nothing changes until you press Import.</source>
        <translation>New: %1, updates: %2, suspected duplicates: %3, refused: %4. Nothing changes until you press Import.</translation>
    </message>
</context>
<context>
    <name>marvola::ListStatusDialog</name>
    <message>
        <source>Post results</source>
        <translation>Post results</translation>
    </message>
    <message>
        <source>Declare official</source>
        <translation>Declare official</translation>
    </message>
    <message>
        <source>Reopen lists</source>
        <translation>Reopen lists</translation>
    </message>
    <message>
        <source>Post the ticked lists as provisional results. Their challenge window starts now.</source>
        <translation>Post the ticked lists as provisional results. Their challenge window starts now.</translation>
    </message>
    <message>
        <source>Declare the ticked lists official. They cannot change until they are reopened.</source>
        <translation>Declare the ticked lists official. They cannot change until they are reopened.</translation>
    </message>
    <message>
        <source>Reopen the ticked official lists, so that their results can be corrected.</source>
        <translation>Reopen the ticked official lists, so that their results can be corrected.</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>Tick &amp;all</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>Tick &amp;none</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Challenge window:</source>
        <translation>&amp;Challenge window:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Reason:</translation>
    </message>
    <message>
        <source>&amp;Post</source>
        <translation>&amp;Post</translation>
    </message>
    <message>
        <source>&amp;Declare official</source>
        <translation>&amp;Declare official</translation>
    </message>
    <message>
        <source>Re&amp;open</source>
        <translation>Re&amp;open</translation>
    </message>
    <message>
        <source>Post them anyway?</source>
        <translation>Post them anyway?</translation>
    </message>
    <message>
        <source>The challenge window has not ended for %1. Declare them official now?</source>
        <translation>The challenge window has not ended for %1. Declare them official now?</translation>
    </message>
    <message>
        <source>Tick the lists first.</source>
        <translation>Tick the lists first.</translation>
    </message>
    <message>
        <source>Type the reason for reopening.</source>
        <translation>Type the reason for reopening.</translation>
    </message>
</context>
<context>
    <name>marvola::LiveResultsWindow</name>
    <message>
        <source>Live results</source>
        <translation>Live results</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Live results could not start on port %1: %2</source>
        <translation>Live results could not start on port %1: %2</translation>
    </message>
    <message>
        <source>The live results are off.</source>
        <translation>The live results are off.</translation>
    </message>
    <message>
        <source>The live results are on, but this computer has no network address: connect it to the range network.</source>
        <translation>The live results are on, but this computer has no network address: connect it to the range network.</translation>
    </message>
    <message>
        <source>The live results are on. Open one of these addresses on a phone or computer of the same network, or scan the code:</source>
        <translation>The live results are on. Open one of these addresses on a phone or computer of the same network, or scan the code:</translation>
    </message>
    <message>
        <source>Live results on %1</source>
        <translation>Live results on %1</translation>
    </message>
    <message>
        <source>&amp;Live results...</source>
        <translation>&amp;Live results...</translation>
    </message>
</context>
<context>
    <name>marvola::MailSheetsDialog</name>
    <message>
        <source>Allow unencrypted connection</source>
        <translation>Allow unencrypted connection</translation>
    </message>
    <message>
        <source>Send again to those who have their sheet</source>
        <translation>Send again to those who have their sheet</translation>
    </message>
    <message>
        <source>Mail result sheets</source>
        <translation>Mail result sheets</translation>
    </message>
    <message>
        <source>HOST or HOST:PORT</source>
        <translation>HOST or HOST:PORT</translation>
    </message>
    <message>
        <source>Mail &amp;server:</source>
        <translation>Mail &amp;server:</translation>
    </message>
    <message>
        <source>&amp;User (none: no login):</source>
        <translation>&amp;User (none: no login):</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>&amp;From address:</source>
        <translation>&amp;From address:</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>S&amp;end</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>The from address is not an e-mail address.</source>
        <translation>The from address is not an e-mail address.</translation>
    </message>
    <message>
        <source>No competitor is chosen.</source>
        <translation>No competitor is chosen.</translation>
    </message>
    <message>
        <source>Save the match first: the messages sent are kept in its entry log.</source>
        <translation>Save the match first: the messages sent are kept in its entry log.</translation>
    </message>
    <message>
        <source>Cancelled: %1 sent, %2 failed.</source>
        <translation>Cancelled: %1 sent, %2 failed.</translation>
    </message>
    <message>
        <source>Done: %1 sent, %2 failed.</source>
        <translation>Done: %1 sent, %2 failed.</translation>
    </message>
</context>
<context>
    <name>marvola::MainWindow</name>
    <message>
        <source>Changes are not logged: %1</source>
        <translation>Changes are not logged: %1</translation>
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
        <source>Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)</source>
        <translation>Silhouette files (*.mrv);;All files (*)</translation>
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
        <source>Se&amp;ttings</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>The language changes when Marvola is started next time.</source>
        <translation>The language changes when Marvola is started next time.</translation>
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
    <message numerus="yes">
        <source>Exported %n CSV files to %1: %2</source>
        <translation>
            <numerusform>Exported %n CSV file to %1: %2</numerusform>
            <numerusform>Exported %n CSV files to %1: %2</numerusform>
        </translation>
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
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>This version is early beta. If you find any bugs please report to: %1</source>
        <translation>This version is early beta. If you find any bugs please report to: %1</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in another window (%2). Open it read-only?</source>
        <translation>The match %1 is open for writing in another window (%2). Open it read-only?</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Save anyway?</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (read-only)</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match and are not restored.</source>
        <translation>
            <numerusform>%n change in the entry log was made on another state of this match and is not restored.</numerusform>
            <numerusform>%n changes in the entry log were made on another state of this match and are not restored.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry made after the last save, at %1, was not saved: %2. Restore it?</source>
        <translation>1 entry made after the last save, at %1, was not saved: %2. Restore it?</translation>
    </message>
    <message>
        <source>1 entry made after the last save was not saved: %1. Restore it?</source>
        <translation>1 entry made after the last save was not saved: %1. Restore it?</translation>
    </message>
    <message numerus="yes">
        <source>%n entries made after the last save were not saved (the last at %1): %2. Restore them?</source>
        <translation>
            <numerusform>%n entry made after the last save was not saved (at %1): %2. Restore it?</numerusform>
            <numerusform>%n entries made after the last save were not saved (the last at %1): %2. Restore them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries made after the last save were not saved: %1. Restore them?</source>
        <translation>
            <numerusform>%n entry made after the last save was not saved: %1. Restore it?</numerusform>
            <numerusform>%n entries made after the last save were not saved: %1. Restore them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored from the entry log: %1.</source>
        <translation>
            <numerusform>%n entry restored from the entry log: %1.</numerusform>
            <numerusform>%n entries restored from the entry log: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The match has unsaved changes. Save them before closing?</source>
        <translation>The match has unsaved changes. Save them before closing?</translation>
    </message>
    <message>
        <source>Date: %1 - %2</source>
        <translation>Date: %1 - %2</translation>
    </message>
    <message>
        <source> real date--&gt;%1</source>
        <translation> real date--&gt;%1</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Club: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Place: %1</translation>
    </message>
    <message>
        <source>Match Director: %1</source>
        <translation>Match Director: %1</translation>
    </message>
    <message>
        <source>Kilpailut ovat ennätyskelpoiset </source>
        <translation>Records can be set at this match</translation>
    </message>
    <message>
        <source>Kilpailut eivät ole ennätyskelpoiset </source>
        <translation>Records cannot be set at this match</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>No competitors yet. Open a match with File &gt; Open, or start a new one: enter the match information under Match and add competitors under Competitors &gt; Add/Modify.</source>
        <translation>No competitors yet. Open a match with File &gt; Open, or start a new one: enter the match information under Match and add competitors under Competitors &gt; Add/Modify.</translation>
    </message>
    <message>
        <source>I&amp;mport competitors...</source>
        <translation>I&amp;mport competitors...</translation>
    </message>
    <message>
        <source>Import competitors</source>
        <translation>Import competitors</translation>
    </message>
    <message>
        <source>Competitor lists (*.csv *.xlsx *.txt);;All files (*)</source>
        <translation>Competitor lists (*.csv *.xlsx *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Shooter &amp;register...</source>
        <translation>Shooter &amp;register...</translation>
    </message>
    <message>
        <source>&amp;Shoot-offs needed</source>
        <translation>&amp;Shoot-offs needed</translation>
    </message>
    <message>
        <source>Export competitors</source>
        <translation>Export competitors</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Excel workbooks (*.xlsx)</source>
        <translation>CSV files (*.csv);;Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Competitor list written to %1.</source>
        <translation>Competitor list written to %1.</translation>
    </message>
    <message>
        <source>Expor&amp;t competitors...</source>
        <translation>Expor&amp;t competitors...</translation>
    </message>
    <message>
        <source>A&amp;dd results to the register</source>
        <translation>A&amp;dd results to the register</translation>
    </message>
    <message>
        <source>Export &amp;workbook...</source>
        <translation>Export &amp;workbook...</translation>
    </message>
    <message>
        <source>Result s&amp;heets...</source>
        <translation>Result s&amp;heets...</translation>
    </message>
    <message>
        <source>Mai&amp;l result sheets...</source>
        <translation>Mai&amp;l result sheets...</translation>
    </message>
    <message>
        <source>Score &amp;cards...</source>
        <translation>Score &amp;cards...</translation>
    </message>
    <message>
        <source>&amp;Relays...</source>
        <translation>&amp;Relays...</translation>
    </message>
    <message>
        <source>&amp;Post results...</source>
        <translation>&amp;Post results...</translation>
    </message>
    <message>
        <source>Declare &amp;official...</source>
        <translation>Declare &amp;official...</translation>
    </message>
    <message>
        <source>Reope&amp;n lists...</source>
        <translation>Reope&amp;n lists...</translation>
    </message>
    <message>
        <source>Export workbook</source>
        <translation>Export workbook</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Workbook written to %1.</source>
        <translation>Workbook written to %1.</translation>
    </message>
    <message>
        <source>Result sheets written to %1.</source>
        <translation>Result sheets written to %1.</translation>
    </message>
</context>
<context>
    <name>marvola::MatchInfoDialog</name>
    <message>
        <source>Match Info</source>
        <translation>Match Info</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Match Director</source>
        <translation>Match Director</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Disciplines and shots</source>
        <translation>Disciplines and shots</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>marvola::MatchSession</name>
    <message>
        <source>another program</source>
        <translation>another program</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>process %1 on %2</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>an unknown computer</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in another window (%2).</source>
        <translation>The match %1 is open for writing in another window (%2).</translation>
    </message>
    <message>
        <source>The match %1 is open read-only: save it under another name.</source>
        <translation>The match %1 is open read-only: save it under another name.</translation>
    </message>
    <message>
        <source>The match %1 was changed on disk since it was opened or saved here, by another program or computer. Saving replaces those changes.</source>
        <translation>The match %1 was changed on disk since it was opened or saved here, by another program or computer. Saving replaces those changes.</translation>
    </message>
    <message>
        <source>The entry log %1 was removed; a new one holds the changes not saved.</source>
        <translation>The entry log %1 was removed; a new one holds the changes not saved.</translation>
    </message>
    <message>
        <source>team %1</source>
        <translation>team %1</translation>
    </message>
    <message>
        <source>match information</source>
        <translation>match information</translation>
    </message>
    <message>
        <source>relays</source>
        <translation>relays</translation>
    </message>
    <message>
        <source>status of %1</source>
        <translation>status of %1</translation>
    </message>
</context>
<context>
    <name>marvola::NewCompetitorDialog</name>
    <message>
        <source>New Competitor</source>
        <translation>New Competitor</translation>
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
        <source>Nationality</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Kilpailijarekisteri täynnä!?! (Max. 500).</source>
        <translation>The competitor register is full! (At most 500.)</translation>
    </message>
    <message>
        <source>This name is already in use</source>
        <translation>This name is already in use</translation>
    </message>
    <message>
        <source>Name is not valid.</source>
        <translation>Name is not valid.</translation>
    </message>
    <message>
        <source>Type a name or a member number to find the shooter in the shooter register</source>
        <translation>Type a name or a member number to find the shooter in the shooter register</translation>
    </message>
</context>
<context>
    <name>marvola::NewTeamDialog</name>
    <message>
        <source>Joukkuerekisteri täynnä!?! (Max. 100).</source>
        <translation>The team register is full! (At most 100.)</translation>
    </message>
    <message>
        <source>This name is already in use.</source>
        <translation>This name is already in use.</translation>
    </message>
    <message>
        <source>Name is not valid.</source>
        <translation>Name is not valid.</translation>
    </message>
    <message>
        <source>New Team</source>
        <translation>New Team</translation>
    </message>
</context>
<context>
    <name>marvola::PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Clear selection</source>
        <translation>Clear selection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Adobe Acrobat (PDF)</source>
        <translation>Adobe Acrobat (PDF)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Web Page (HTML)</translation>
    </message>
    <message>
        <source>Standing</source>
        <translation>Standing</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>Relays</translation>
    </message>
</context>
<context>
    <name>marvola::Prompts</name>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>marvola::RegisterFileDialog</name>
    <message>
        <source>Shooter Register</source>
        <translation>Shooter Register</translation>
    </message>
    <message>
        <source>The shooter register&apos;s file. A file on the club&apos;s shared folder lets every computer of the club use the same register. A missing file is made.</source>
        <translation>The shooter register&apos;s file. A file on the club&apos;s shared folder lets every computer of the club use the same register. A missing file is made.</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>Shooter register</source>
        <translation>Shooter register</translation>
    </message>
    <message>
        <source>Shooter registers (*.sqlite);;All files (*)</source>
        <translation>Shooter registers (*.sqlite);;All files (*)</translation>
    </message>
</context>
<context>
    <name>marvola::RelayDrawDialog</name>
    <message>
        <source>Trial draw</source>
        <translation>Trial draw</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>Draw &amp;again</source>
        <translation>Draw &amp;again</translation>
    </message>
    <message>
        <source>&amp;New seed</source>
        <translation>&amp;New seed</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Unmet rule</source>
        <translation>Unmet rule</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>A&amp;pply</translation>
    </message>
    <message>
        <source>not placed: %1</source>
        <translation>not placed: %1</translation>
    </message>
    <message>
        <source>Seed %1: %2 entries placed, %3 not placed, %4 places break a hard rule. Apply puts these places into the match; locked places stay as they are.</source>
        <translation>Seed %1: %2 entries placed, %3 not placed, %4 places break a hard rule. Apply puts these places into the match; locked places stay as they are.</translation>
    </message>
</context>
<context>
    <name>marvola::RelayPlacesView</name>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
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
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>Breaks a rule</source>
        <translation>Breaks a rule</translation>
    </message>
    <message>
        <source>Relay %1   %2-%3   %4   %5/%6 points taken</source>
        <translation>Relay %1   %2-%3   %4   %5/%6 points taken</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>locked</translation>
    </message>
    <message>
        <source>Relay %1 is not in the plan</source>
        <translation>Relay %1 is not in the plan</translation>
    </message>
    <message>
        <source>Not placed</source>
        <translation>Not placed</translation>
    </message>
</context>
<context>
    <name>marvola::RelaysWindow</name>
    <message>
        <source>Relays</source>
        <translation>Relays</translation>
    </message>
    <message>
        <source>&amp;Places</source>
        <translation>&amp;Places</translation>
    </message>
    <message>
        <source>P&amp;lan</source>
        <translation>P&amp;lan</translation>
    </message>
    <message>
        <source>Cards &amp;not returned</source>
        <translation>Cards &amp;not returned</translation>
    </message>
    <message>
        <source>To &amp;relay:</source>
        <translation>To &amp;relay:</translation>
    </message>
    <message>
        <source>p&amp;oint:</source>
        <translation>p&amp;oint:</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>S&amp;wap</translation>
    </message>
    <message>
        <source>Swaps the two selected places: two competitors, or a competitor and an empty point (Ctrl+W)</source>
        <translation>Swaps the two selected places: two competitors, or a competitor and an empty point (Ctrl+W)</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>Loc&amp;k</translation>
    </message>
    <message>
        <source>A locked place stays where it is when the relays are drawn again (Ctrl+L)</source>
        <translation>A locked place stays where it is when the relays are drawn again (Ctrl+L)</translation>
    </message>
    <message>
        <source>&amp;Draw...</source>
        <translation>&amp;Draw...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Takes back the last change (Ctrl+Z)</source>
        <translation>Takes back the last change (Ctrl+Z)</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>R&amp;edo</translation>
    </message>
    <message>
        <source>Makes the last change taken back again (Ctrl+Shift+Z)</source>
        <translation>Makes the last change taken back again (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Each relay shoots its disciplines (codes separated by blanks) from its start for its minutes, from its firing points. Relays of different disciplines may run at the same time on different ranges.</source>
        <translation>Each relay shoots its disciplines (codes separated by blanks) from its start for its minutes, from its firing points. Relays of different disciplines may run at the same time on different ranges.</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Disciplines</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Add relay</source>
        <translation>&amp;Add relay</translation>
    </message>
    <message>
        <source>Re&amp;move relay</source>
        <translation>Re&amp;move relay</translation>
    </message>
    <message>
        <source>Read &amp;from file...</source>
        <translation>Read &amp;from file...</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
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
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>%1 places in %2 relays.</source>
        <translation>%1 places in %2 relays.</translation>
    </message>
    <message>
        <source>No place breaks a hard rule.</source>
        <translation>No place breaks a hard rule.</translation>
    </message>
    <message>
        <source>Places that break a hard rule: %1, in red with the reason. They stay until the official moves them.</source>
        <translation>Places that break a hard rule: %1, in red with the reason. They stay until the official moves them.</translation>
    </message>
    <message>
        <source>At %1, cards not returned from the relays that have ended: %2.</source>
        <translation>At %1, cards not returned from the relays that have ended: %2.</translation>
    </message>
    <message>
        <source>The relay was not changed: %1.</source>
        <translation>The relay was not changed: %1.</translation>
    </message>
    <message>
        <source>Read relay plan</source>
        <translation>Read relay plan</translation>
    </message>
    <message>
        <source>Relay plans (*.csv);;All files (*)</source>
        <translation>Relay plans (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>The plan was not read; nothing changed.
%1</source>
        <translation>The plan was not read; nothing changed.
%1</translation>
    </message>
    <message>
        <source>The plan has no relays yet: add them on the Plan page.</source>
        <translation>The plan has no relays yet: add them on the Plan page.</translation>
    </message>
    <message>
        <source>Drawn with seed %1.</source>
        <translation>Drawn with seed %1.</translation>
    </message>
    <message>
        <source>Unloc&amp;k</source>
        <translation>Unloc&amp;k</translation>
    </message>
    <message>
        <source>Choose a competitor&apos;s line to move.</source>
        <translation>Choose a competitor&apos;s line to move.</translation>
    </message>
    <message>
        <source>%1 %2 moved to relay %3, point %4.</source>
        <translation>%1 %2 moved to relay %3, point %4.</translation>
    </message>
    <message>
        <source>Select two competitors, or a competitor and an empty point, to swap.</source>
        <translation>Select two competitors, or a competitor and an empty point, to swap.</translation>
    </message>
    <message>
        <source>Places swapped.</source>
        <translation>Places swapped.</translation>
    </message>
    <message>
        <source>Select the placed competitors to lock or unlock.</source>
        <translation>Select the placed competitors to lock or unlock.</translation>
    </message>
    <message>
        <source>Locked: a draw leaves these places as they are.</source>
        <translation>Locked: a draw leaves these places as they are.</translation>
    </message>
    <message>
        <source>Unlocked.</source>
        <translation>Unlocked.</translation>
    </message>
</context>
<context>
    <name>marvola::ReportOutput</name>
    <message>
        <source>Esikatselu</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>marvola::ReportOutputDialog</name>
    <message>
        <source>Tulostusvalinnat</source>
        <translation>Print options</translation>
    </message>
    <message>
        <source>Report Destination</source>
        <translation>Report Destination</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>marvola::ReportStatusWindow</name>
    <message>
        <source>Report Status</source>
        <translation>Report Status</translation>
    </message>
    <message>
        <source>Generating page %p</source>
        <translation>Generating page %p</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Printing page %p</translation>
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
    <message>
        <source>%1 is not a score card&apos;s code: it reads NUMBER/DISCIPLINE, as 123/BBPR.</source>
        <translation>%1 is not a score card&apos;s code: it reads NUMBER/DISCIPLINE, as 123/BBPR.</translation>
    </message>
    <message>
        <source>No competitor has the number %1 (score card %2).</source>
        <translation>No competitor has the number %1 (score card %2).</translation>
    </message>
    <message>
        <source>%1 is no discipline (score card %2).</source>
        <translation>%1 is no discipline (score card %2).</translation>
    </message>
    <message>
        <source>Competitor %1 does not shoot %2 (score card %3).</source>
        <translation>Competitor %1 does not shoot %2 (score card %3).</translation>
    </message>
</context>
<context>
    <name>marvola::ScoreCardsDialog</name>
    <message>
        <source>Score cards</source>
        <translation>Score cards</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>By &amp;relay:</source>
        <translation>By &amp;relay:</translation>
    </message>
    <message>
        <source>Relay %1, %2, %3</source>
        <translation>Relay %1, %2, %3</translation>
    </message>
    <message>
        <source>By c&amp;lub:</source>
        <translation>By c&amp;lub:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>A&amp;4, four cards to a sheet with cut lines</source>
        <translation>A&amp;4, four cards to a sheet with cut lines</translation>
    </message>
    <message>
        <source>A&amp;6, one card to a sheet</source>
        <translation>A&amp;6, one card to a sheet</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n card</numerusform>
            <numerusform>%n cards</numerusform>
        </translation>
    </message>
    <message>
        <source>Adobe Acrobat (PDF) (*.pdf)</source>
        <translation>Adobe Acrobat (PDF) (*.pdf)</translation>
    </message>
</context>
<context>
    <name>marvola::SheetCompetitorChoice</name>
    <message>
        <source>&amp;All competitors</source>
        <translation>&amp;All competitors</translation>
    </message>
    <message>
        <source>C&amp;lub:</source>
        <translation>C&amp;lub:</translation>
    </message>
    <message>
        <source>C&amp;hosen competitors:</source>
        <translation>C&amp;hosen competitors:</translation>
    </message>
</context>
<context>
    <name>marvola::SheetsDialog</name>
    <message>
        <source>Result sheets</source>
        <translation>Result sheets</translation>
    </message>
    <message>
        <source>Adobe Acrobat (PDF)</source>
        <translation>Adobe Acrobat (PDF)</translation>
    </message>
    <message>
        <source>A page per competitor, in the competitor&apos;s language where the shooter register has one.</source>
        <translation>A page per competitor, in the competitor&apos;s language where the shooter register has one.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>No competitor is chosen.</source>
        <translation>No competitor is chosen.</translation>
    </message>
</context>
<context>
    <name>marvola::ShootOffsWindow</name>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Competitors</translation>
    </message>
    <message>
        <source>Shoot-offs needed</source>
        <translation>Shoot-offs needed</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>No tie at a prize place waits for a shoot-off.</source>
        <translation>No tie at a prize place waits for a shoot-off.</translation>
    </message>
    <message>
        <source>Ties at prize places waiting for a shoot-off: %1. Press Enter or double-click a competitor to enter the shoot-off.</source>
        <translation>Ties at prize places waiting for a shoot-off: %1. Press Enter or double-click a competitor to enter the shoot-off.</translation>
    </message>
</context>
<context>
    <name>marvola::StationDesk</name>
    <message>
        <source>The match has no entry log: save the match first.</source>
        <translation>The match has no entry log: save the match first.</translation>
    </message>
    <message>
        <source>The entry log cannot be written.</source>
        <translation>The entry log cannot be written.</translation>
    </message>
    <message>
        <source>This station is not known or has been revoked.</source>
        <translation>This station is not known or has been revoked.</translation>
    </message>
    <message>
        <source>There is no competitor %1.</source>
        <translation>There is no competitor %1.</translation>
    </message>
    <message>
        <source>Competitor %1 is not entered in %2.</source>
        <translation>Competitor %1 is not entered in %2.</translation>
    </message>
    <message>
        <source>%1 is not shot in this match.</source>
        <translation>%1 is not shot in this match.</translation>
    </message>
    <message>
        <source>A hit count must be 0 to %1 in %2.</source>
        <translation>A hit count must be 0 to %1 in %2.</translation>
    </message>
    <message>
        <source>The total must be 0 to %1 in %2.</source>
        <translation>The total must be 0 to %1 in %2.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>There is no entry %1.</translation>
    </message>
    <message>
        <source>Entry %1 is not waiting for the office.</source>
        <translation>Entry %1 is not waiting for the office.</translation>
    </message>
    <message>
        <source>The office cannot store entries: the match&apos;s entry log cannot be written.</source>
        <translation>The office cannot store entries: the match&apos;s entry log cannot be written.</translation>
    </message>
</context>
<context>
    <name>marvola::StationGate</name>
    <message>
        <source>A station request needs X-Station, X-Counter and X-Signature.</source>
        <translation>A station request needs X-Station, X-Counter and X-Signature.</translation>
    </message>
    <message>
        <source>This station is not known or has been revoked.</source>
        <translation>This station is not known or has been revoked.</translation>
    </message>
    <message>
        <source>The signature is wrong.</source>
        <translation>The signature is wrong.</translation>
    </message>
    <message>
        <source>Too many requests from this station; send again soon.</source>
        <translation>Too many requests from this station; send again soon.</translation>
    </message>
    <message>
        <source>Name a discipline: ?discipline=BBPR.</source>
        <translation>Name a discipline: ?discipline=BBPR.</translation>
    </message>
    <message>
        <source>The counter must be a whole number of 1 to 18 digits.</source>
        <translation>The counter must be a whole number of 1 to 18 digits.</translation>
    </message>
    <message>
        <source>The counter has more digits than the office takes (18): pair the phone again.</source>
        <translation>The counter has more digits than the office takes (18): pair the phone again.</translation>
    </message>
</context>
<context>
    <name>marvola::StationsPanel</name>
    <message>
        <source>Scoring stations</source>
        <translation>Scoring stations</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Pistol bank 1</source>
        <translation>Pistol bank 1</translation>
    </message>
    <message>
        <source>Disciplines:</source>
        <translation>Disciplines:</translation>
    </message>
    <message>
        <source>BBPR,BBPC (empty: all)</source>
        <translation>BBPR,BBPC (empty: all)</translation>
    </message>
    <message>
        <source>Add station</source>
        <translation>Add station</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Disciplines</translation>
    </message>
    <message>
        <source>Last contact</source>
        <translation>Last contact</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entries</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Pending</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revoke</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Competitor</source>
        <translation>Competitor</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Station&apos;s result</source>
        <translation>Station&apos;s result</translation>
    </message>
    <message>
        <source>Office&apos;s result</source>
        <translation>Office&apos;s result</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Keep the office&apos;s result</source>
        <translation>Keep the office&apos;s result</translation>
    </message>
    <message>
        <source>Take the station&apos;s result</source>
        <translation>Take the station&apos;s result</translation>
    </message>
    <message>
        <source>Revoke the station %1? Its phone can send nothing more.</source>
        <translation>Revoke the station %1? Its phone can send nothing more.</translation>
    </message>
    <message>
        <source>all</source>
        <translation>all</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>revoked</source>
        <translation>revoked</translation>
    </message>
    <message>
        <source>active</source>
        <translation>active</translation>
    </message>
    <message>
        <source>Add a station, or choose one, to see its link.</source>
        <translation>Add a station, or choose one, to see its link.</translation>
    </message>
    <message>
        <source>%1 is revoked.</source>
        <translation>%1 is revoked.</translation>
    </message>
    <message>
        <source>Start the live results to see the link of %1.</source>
        <translation>Start the live results to see the link of %1.</translation>
    </message>
    <message>
        <source>%1: scan the code with the station&apos;s phone, or open this link on it:</source>
        <translation>%1: scan the code with the station&apos;s phone, or open this link on it:</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>stored</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>conflict</translation>
    </message>
    <message>
        <source>office&apos;s result kept</source>
        <translation>office&apos;s result kept</translation>
    </message>
    <message>
        <source>station&apos;s result taken</source>
        <translation>station&apos;s result taken</translation>
    </message>
    <message>
        <source>awaiting a second entry</source>
        <translation>awaiting a second entry</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>matched</translation>
    </message>
    <message>
        <source>disagreement</source>
        <translation>disagreement</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>duplicate</translation>
    </message>
    <message>
        <source>Two matching entries</source>
        <translation>Two matching entries</translation>
    </message>
    <message>
        <source>A station&apos;s entry counts only when a second station or the office enters the same values; disagreements are flagged.</source>
        <translation>A station&apos;s entry counts only when a second station or the office enters the same values; disagreements are flagged.</translation>
    </message>
</context>
<context>
    <name>marvola::TeamsDialog</name>
    <message>
        <source>Discipline</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Competitor 1</source>
        <translation>Competitor 1</translation>
    </message>
    <message>
        <source>Competitor 2</source>
        <translation>Competitor 2</translation>
    </message>
    <message>
        <source>Competitor 3</source>
        <translation>Competitor 3</translation>
    </message>
    <message>
        <source>At most 10 characters, the group word included when it fits after the name</source>
        <translation>At most 10 characters, the group word included when it fits after the name</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Team Name</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 is also in team %2 of the same group.</source>
        <translation>%1 is also in team %2 of the same group.</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>New Team</source>
        <translation>New Team</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Edit Team</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Team Discipline</source>
        <translation>Team Discipline</translation>
    </message>
    <message>
        <source>Standing</source>
        <translation>Standing</translation>
    </message>
</context>
<context>
    <name>marvola::Toolkit</name>
    <message>
        <source>At most %1 characters</source>
        <translation>At most %1 characters</translation>
    </message>
</context>
</TS>
