<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Live results could not start on port %1: %2</source>
        <translation>Liveresultaten kunde inte starta på port %1: %2</translation>
    </message>
</context>
<context>
    <name>Barcode</name>
    <message>
        <source>The barcode could not be made.</source>
        <translation>Streckkoden kunde inte skapas.</translation>
    </message>
    <message>
        <source>The barcode of %1 could not be made: %2</source>
        <translation>Streckkoden för %1 kunde inte skapas: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown group &quot;%1&quot; for --upload: give FP, BBP, SBP, SBR and BBR separated by commas, or all.</source>
        <translation>Okänd grupp &quot;%1&quot; för --upload: ange FP, BBP, SBP, SBR och BBR åtskilda med kommatecken, eller all.</translation>
    </message>
    <message>
        <source>No password for the upload: set MARVOLA_DB_PASSWORD, or run on a terminal to type it.</source>
        <translation>Inget lösenord för överföringen: sätt MARVOLA_DB_PASSWORD eller kör i en terminal och skriv in det.</translation>
    </message>
    <message>
        <source>Connecting to %1 as %2.</source>
        <translation>Ansluter till %1 som %2.</translation>
    </message>
    <message>
        <source>Siirto valmis!</source>
        <translation>Överföringen är klar!</translation>
    </message>
    <message numerus="yes">
        <source>%n rows sent, replacing those sent earlier.</source>
        <translation>
            <numerusform>%n rad skickad i stället för de tidigare skickade.</numerusform>
            <numerusform>%n rader skickade i stället för de tidigare skickade.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows sent.</source>
        <translation>
            <numerusform>%n rad skickad.</numerusform>
            <numerusform>%n rader skickade.</numerusform>
        </translation>
    </message>
    <message>
        <source>No changes to restore: the match has no entry log.</source>
        <translation>Inga ändringar att återställa: tävlingen har ingen inmatningslogg.</translation>
    </message>
    <message>
        <source>No changes to restore: the saved set holds every change.</source>
        <translation>Inga ändringar att återställa: de sparade filerna innehåller alla ändringar.</translation>
    </message>
    <message>
        <source>The name %1 is not valid in this system&apos;s character encoding; rename the file or use a UTF-8 name.</source>
        <translation>Namnet %1 är inte giltigt i systemets teckenkodning; byt namn på filen eller använd ett UTF-8-namn.</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <translation>%1 kräver %2.</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>ett filnamn</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>ett värde</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Okänd flagga %1.</translation>
    </message>
    <message>
        <source>Only one match file can be given.</source>
        <translation>Bara en tävlingsfil kan anges.</translation>
    </message>
    <message>
        <source>Batch mode needs the match file to read.</source>
        <translation>Batchläget kräver tävlingsfilen som ska läsas.</translation>
    </message>
    <message>
        <source>--db, --db-user, --db-ca and --replace go with --upload.</source>
        <translation>--db, --db-user, --db-ca och --replace hör till --upload.</translation>
    </message>
    <message>
        <source>--upload needs --db HOST[:PORT] and --db-user USER.</source>
        <translation>--upload kräver --db VÄRD[:PORT] och --db-user ANVÄNDARE.</translation>
    </message>
    <message>
        <source>%1 needs [HOST:]PORT.</source>
        <translation>%1 behöver [HOST:]PORT.</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in a window (%2): close it there, or save under another name.</source>
        <translation>Tävlingen %1 är öppnad för redigering i ett fönster (%2): stäng den där eller spara under ett annat namn.</translation>
    </message>
    <message>
        <source>The match %1 was changed on disk while this run read it: nothing is written.</source>
        <translation>Tävlingen %1 ändrades på disken medan den här körningen läste den: inget skrivs.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes restored from the entry log, the last made at %1.</source>
        <translation>
            <numerusform>%n ändring återställdes från registreringsloggen, gjord %1.</numerusform>
            <numerusform>%n ändringar återställdes från registreringsloggen, den sista gjord %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes restored from the entry log.</source>
        <translation>
            <numerusform>%n ändring återställdes från registreringsloggen.</numerusform>
            <numerusform>%n ändringar återställdes från registreringsloggen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The match %1 is open in a window on another computer (%2): its entry log is read and written on that computer only. Run this there.</source>
        <translation>Tävlingen %1 är öppnad i ett fönster på en annan dator (%2): dess registreringslogg läses och skrivs bara på den datorn. Kör det här där.</translation>
    </message>
    <message>
        <source>1 change restored from the entry log, made at %1.</source>
        <translation>1 ändring återställdes från registreringsloggen, gjord %1.</translation>
    </message>
    <message>
        <source>1 change restored from the entry log.</source>
        <translation>1 ändring återställdes från registreringsloggen.</translation>
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
Tävlande från en lista, in i MATCH.mrv:
  --import FILE      lägger till och uppdaterar de tävlande i en CSV- eller
                     XLSX-fil; skriver RAD&lt;TAB&gt;ORSAK för varje rad som inte
                     importeras och till sist antalen på stderr; utan --save
                     skrivs inget (en torrkörning); slutstatus 3 när rader
                     avvisades
    --sheet NAME       arbetsbokens blad som läses (standard det första)
</translation>
    </message>
    <message>
        <source>--sheet goes with --import.</source>
        <translation>--sheet hör till --import.</translation>
    </message>
    <message>
        <source>%1 has no column of names (name, nimi, namn or last name): nothing is imported.</source>
        <translation>%1 har ingen kolumn med namn (name, nimi, namn eller efternamn): inget importeras.</translation>
    </message>
    <message>
        <source>Columns not imported: %1.</source>
        <translation>Kolumner som inte importeras: %1.</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 refused</source>
        <translation>%1 tillagda, %2 uppdaterade, %3 avvisade</translation>
    </message>
    <message>
        <source>--relay-plan, --draw, --seed and --start-list do not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--relay-plan, --draw, --seed och --start-list går inte ihop med --serve, --live, --add-station eller --revoke-station.</translation>
    </message>
    <message>
        <source>--seed goes with --draw.</source>
        <translation>--seed hör ihop med --draw.</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 18446744073709551615, not &quot;%1&quot;.</source>
        <translation>--seed behöver ett heltal från 0 till 18446744073709551615, inte &quot;%1&quot;.</translation>
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
        <translation>Användning: marvola [TÄVLING.mrv] [flaggor]

Utan flaggor öppnar programmet sitt fönster, med TÄVLING.mrv inläst om den anges.
Batchläget (inget fönster, ingen skärm behövs) läser TÄVLING.mrv och skriver:
  --save UT.mrv      tävlingens filer med namnet UT.mrv
  --csv UT.csv       de nio CSV-filerna med namnet UT.csv
  --pdf UT.pdf       resultatlistorna som en PDF-fil
  --html UT.html     resultatlistorna som en HTML-fil
  --lists LISTOR     listorna som skrivs ut: kryssrutornas namn åtskilda med kommatecken,
                     till exempel &quot;BBPR,BBP Aggr,Standing Team&quot;, eller all (standard)
  --serve [VÄRD:]PORT  visar liveresultaten i nätverket tills Ctrl+C och läser in
                     tävlingen igen när dess filer ändras; VÄRD är som standard alla
                     gränssnitt (till exempel --serve 8080 eller --serve 127.0.0.1:8080)
  --check            listar resultaten som verkar felaktiga, ett per rad (nummer, namn,
                     gren, brutna regler, åtskilda med tabbar); slutstatus 3 när det
                     finns sådana, 0 när det inte finns några
  --shoot-offs       listar de oavgjorda lika resultaten på prisplatser (de tre bästa i
                     grenen och i varje klass), ett per rad: gren, klass (tom för
                     grenens totalplaceringar), placeringar och varje tävlandes nummer
                     och namn, åtskilda med tabbar; slutstatus 3 när det finns sådana,
                     0 när det inte finns några
  --recover          tillämpar först de ändringar i inmatningsloggen som inte finns i de
                     sparade filerna (som fönstret erbjuder vid öppning) och anger hur många;
                     med --save registrerar loggen sparandet
  --log UT.csv       inmatningsloggen som CSV (UTF-8): tid, källa, typ, nummer,
                     gren, fält, gammalt, nytt
  --add-station NAME en resultatstation för telefoner vid skjutplatsen; skriver ut
                     dess id och hemlighet på en rad: ID SECRET (stationens länk är
                     http://ADDRESS:PORT/station#ID.SECRET)
    --disciplines CODES  grenarna den får registrera (BBPR,BBPC,...; standard alla)
  --revoke-station ID  stationens förfrågningar avvisas från och med nu
  --live [HOST:]PORT öppnar fönstret med liveresultaten och resultatstationerna
                     i nätverket (inget satsläge)
  --old-layout       läser den gamla versionens tävlingsfil (&quot;Load old version files&quot;)
  --upload GRUPPER   skickar gruppernas resultat (FP,BBP,SBP,SBR,BBR åtskilda med
                     kommatecken, eller all) till resultatdatabasen, som databasfönstret
                     gör; förloppet på stderr, slutstatus 0 bara när allt skickades
    --db VÄRD[:PORT]   databasservern (krävs)
    --db-user ANVÄNDARE  användarnamnet (krävs); lösenordet läses från
                       miljövariabeln MARVOLA_DB_PASSWORD eller, om den saknas,
                       frågas i terminalen; det anges aldrig på kommandoraden
    --db-ca FIL        CA-certifikatet som signerade serverns certifikat
                       (standard: det som sparats för värden, annars systemets)
    --replace          ersätter de rader som skickats tidigare för tävlingen och dess
                       grenar i en transaktion: vid fel ändras ingenting
  --version          programmets version
  --help             denna text
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
Skytteregistret och listan över tävlande:
  --to-register      lägger till tävlingens skyttar och resultat i skytteregistret
                     (en tävling som läggs till igen ersätter sina resultat där)
    --register FILE    registrets fil (standard: den som valts i fönstret, annars
                       shooters.sqlite i användarens datamapp)
  --export-competitors OUT.csv|OUT.xlsx
                     skriver listan över tävlande, en rad per tävlande och
                     gren, med de rubriker som importen läser
</translation>
    </message>
    <message>
        <source>--serve runs on its own, without --save, --csv, --pdf, --html, --check, --shoot-offs, --upload, --recover or --log.</source>
        <translation>--serve körs ensamt, utan --save, --csv, --pdf, --html, --check, --shoot-offs, --upload, --recover eller --log.</translation>
    </message>
    <message>
        <source>--export-competitors writes a .csv or an .xlsx file, not %1.</source>
        <translation>--export-competitors skriver en .csv- eller .xlsx-fil, inte %1.</translation>
    </message>
    <message>
        <source>Draw seed: %1</source>
        <translation>Lottningens frö: %1</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in a window (%2): its changes are kept by that window; close it there before recovering.</source>
        <translation>Tävlingen %1 är öppen för skrivning i ett fönster (%2): dess ändringar hålls av det fönstret; stäng det där innan du återställer.</translation>
    </message>
    <message>
        <source>The relay plan has no relay %1.</source>
        <translation>Skjutlagsplanen har inget skjutlag %1.</translation>
    </message>
    <message>
        <source>--relay goes with --cards.</source>
        <translation>--relay hör ihop med --cards.</translation>
    </message>
    <message>
        <source>--cards does not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--cards går inte ihop med --serve, --live, --add-station eller --revoke-station.</translation>
    </message>
    <message>
        <source>--relay needs a relay number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--relay behöver ett skjutlagsnummer från 1 till %1, inte &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--window goes with --post.</source>
        <translation>--window hör ihop med --post.</translation>
    </message>
    <message>
        <source>--window needs the challenge window in minutes, 0 to %1, not &quot;%2&quot;.</source>
        <translation>--window behöver protesttiden i minuter, 0 till %1, inte &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--reason goes with --reopen.</source>
        <translation>--reason hör ihop med --reopen.</translation>
    </message>
    <message>
        <source>--reopen needs the reason: --reason TEXT.</source>
        <translation>--reopen behöver skälet: --reason TEXT.</translation>
    </message>
    <message>
        <source>--post, --declare-official and --reopen do not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--post, --declare-official och --reopen går inte ihop med --serve, --live, --add-station eller --revoke-station.</translation>
    </message>
    <message>
        <source>%1 is declared official before its challenge window ends at %2.</source>
        <translation>%1 fastställs som officiell innan dess protesttid slutar kl. %2.</translation>
    </message>
    <message>
        <source>%1 is declared official without having been posted.</source>
        <translation>%1 fastställs som officiell utan att först ha publicerats.</translation>
    </message>
    <message>
        <source>--xlsx does not go with --serve, --add-station or --revoke-station.</source>
        <translation>--xlsx går inte ihop med --serve, --add-station eller --revoke-station.</translation>
    </message>
    <message>
        <source>--xlsx writes an .xlsx file, not %1.</source>
        <translation>--xlsx skriver en .xlsx-fil, inte %1.</translation>
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
Resultatarbetsboken (i samma körning som andra utdata, som --csv och --pdf):
  --xlsx OUT.xlsx    resultaten som en arbetsbok: ett blad per utskriven lista,
                     med listans rubrik som namn, med flikens rader och
                     kolumner, siffror som tal; och ett blad med de tävlande,
                     deras medlemsnummer och anmälda grenar
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
Skjutlag (i samma körning med varandra och med alternativen ovan; --save sparar
planen och platserna med tävlingen):
  --relay-plan FIL   skjutlagsplanen som CSV: rubriken
                     disciplines;relay;start;minutes;points, sedan ett skjutlag per rad,
                     åtskilda med ; eller , (till exempel BBPR BBPC;1;08:00;45;20, grenarna
                     åtskilda med blanksteg); en felaktig rad skrivs ut som
                     RAD&lt;TAB&gt;ORSAK, slutstatus 1, inget skrivs
  --draw             lottar varje anmäld gren för varje tävlande till planens skjutlag
                     och platser; varje anmälan som inte kan placeras skrivs ut som
                     NUMMER&lt;TAB&gt;GREN&lt;TAB&gt;ORSAK, slutstatus 3
    --seed N         lottningens frö: samma frö och samma tävling ger samma lottning
                     (utan det ett nytt frö, som skrivs ut på stderr)
  --start-list UT.csv  startlistan (UTF-8): relay;start;point;number;name;club;
                     discipline, en rad per plats, efter skjutlag och plats
</translation>
    </message>
    <message>
        <source>  --cards OUT.pdf    the score cards, four to an A4 page: one per entered discipline
                     of each competitor, by relay and point, those without a place
                     last; each with the barcode NUMBER/CODE
    --relay N        only the cards of relay N
</source>
        <translation>  --cards UT.pdf     skjutkorten, fyra per A4-sida: ett per anmäld gren för
                     varje skytt, efter skjutlag och plats, de utan plats
                     sist; vart och ett med streckkoden NUMMER/GREN
    --relay N        bara korten för skjutlag N
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
Listornas status (sparas i MATCH.mrv genast, utan --save; LISTOR är utskrifternas
namn åtskilda med kommatecken, eller all):
  --post LISTOR      publicerar listorna som preliminära resultat; protesttiden
                     börjar (tävlingens, 60 minuter om inget annat anges); ett oavgjort
                     lika resultat på en prisplats nämns på stderr
    --window MIN       protesttiden för denna publicering, i minuter
  --declare-official LISTOR  fastställer listorna som officiella; före protesttidens
                     slut fortsätter körningen och säger det på stderr
  --reopen LISTOR    öppnar officiella listor igen, med --reason TEXT
En ändring som skulle ändra en officiell lista (en import, en återställning)
avvisas med slutstatus 1 och inget skrivs.
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
Resultatblad (en sida per tävlande, på den tävlandes språk där skytteregistret
har ett, annars på programmets):
  --sheets OUT.pdf   en PDF, en sida per tävlande i nummerordning
  --sheets DIR/      en PDF per tävlande i mappen, med namnet NUMMER-NAMN.pdf
  --mail-sheets      varje tävlande med en e-postadress (tävlingens, annars
                     registrets) får sitt blad som PDF; en rad per tävlande på
                     stderr; varje meddelande sparas i inmatningsloggen, och en tävlande
                     vars blad servern redan tagit emot hoppas över; slutstatus 0
                     endast när varje meddelande godtogs
    --smtp HOST[:PORT] e-postservern (krävs; port 587 med STARTTLS eller 465 med
                       TLS); en server utan någotdera avvisas om den inte är den här
                       datorn eller --smtp-allow-unencrypted anges
    --from ADDRESS     avsändarens adress (krävs)
    --smtp-user USER   logga in som USER; lösenordet läses från miljövariabeln
                       MARVOLA_SMTP_PASSWORD eller, när den saknas, frågas i
                       terminalen; aldrig från kommandoraden
    --smtp-allow-unencrypted  godta en server som inte erbjuder kryptering
    --resend           skicka även till dem som redan har sitt blad
  --only NUMBERS     endast dessa tävlande (12,15,20-25) för --sheets och
                     --mail-sheets
  --register FILE    skytteregistret som språken och adresserna kommer från
                     (standard: det som valts i fönstret, när det finns)
</translation>
    </message>
    <message>
        <source>--register goes with --to-register, --sheets or --mail-sheets.</source>
        <translation>--register används med --to-register, --sheets eller --mail-sheets.</translation>
    </message>
    <message>
        <source>--smtp, --smtp-user, --from, --resend and --smtp-allow-unencrypted go with --mail-sheets.</source>
        <translation>--smtp, --smtp-user, --from, --resend och --smtp-allow-unencrypted används med --mail-sheets.</translation>
    </message>
    <message>
        <source>--mail-sheets needs --smtp HOST[:PORT] and --from ADDRESS.</source>
        <translation>--mail-sheets behöver --smtp VÄRD[:PORT] och --from ADRESS.</translation>
    </message>
    <message>
        <source>--only goes with --sheets or --mail-sheets.</source>
        <translation>--only används med --sheets eller --mail-sheets.</translation>
    </message>
    <message>
        <source>--only takes competitor numbers such as 12,15,20-25, not &quot;%1&quot;.</source>
        <translation>--only tar tävlingsnummer som 12,15,20-25, inte &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--only names no competitor.</source>
        <translation>--only anger ingen tävlande.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Mappen %1 kan inte skapas.</translation>
    </message>
    <message>
        <source>--from needs an e-mail address, not &quot;%1&quot;.</source>
        <translation>--from behöver en e-postadress, inte &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No password for the mail server: set MARVOLA_SMTP_PASSWORD, or run on a terminal to type it.</source>
        <translation>Inget lösenord för e-postservern: ange MARVOLA_SMTP_PASSWORD, eller kör i en terminal för att skriva det.</translation>
    </message>
    <message>
        <source>--draw needs a relay plan: --relay-plan FILE, or a match that keeps one.</source>
        <translation>--draw behöver en skjutlagsplan: --relay-plan FIL, eller en tävling som har en sparad.</translation>
    </message>
    <message>
        <source>No competitor has a result sheet to make.</source>
        <translation>Det finns inget resultatblad att göra för någon tävlande.</translation>
    </message>
    <message>
        <source>The entry log of %1 holds entries made after the last save: restore them first (add --recover, or open the match in the window). Nothing was written.</source>
        <translation>Inmatningsloggen för %1 innehåller inmatningar gjorda efter den senaste sparningen: återställ dem först (lägg till --recover eller öppna tävlingen i fönstret). Ingenting skrevs.</translation>
    </message>
</context>
<context>
    <name>CompetitorExport</name>
    <message>
        <source>The workbook cannot be made: %1</source>
        <translation>Arbetsboken kan inte skapas: %1</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Eipä ole paljoa tallennettavaa.</source>
        <translation>Det finns inte mycket att spara.</translation>
    </message>
</context>
<context>
    <name>Disciplines</name>
    <message>
        <source>Big Bore Pistol Revolver</source>
        <translation>Grovkalibrig pistol, revolver</translation>
    </message>
    <message>
        <source>Big Bore Pistol Conventional</source>
        <translation>Grovkalibrig pistol, konventionell</translation>
    </message>
    <message>
        <source>Big Bore Pistol Production</source>
        <translation>Grovkalibrig pistol, produktion</translation>
    </message>
    <message>
        <source>Big Bore Pistol Standing</source>
        <translation>Grovkalibrig pistol, stående</translation>
    </message>
    <message>
        <source>Big Bore Pistol Unlimited</source>
        <translation>Grovkalibrig pistol, fri</translation>
    </message>
    <message>
        <source>Small Bore Pistol Revolver</source>
        <translation>Finkalibrig pistol, revolver</translation>
    </message>
    <message>
        <source>Small Bore Pistol Conventional</source>
        <translation>Finkalibrig pistol, konventionell</translation>
    </message>
    <message>
        <source>Small Bore Pistol Production</source>
        <translation>Finkalibrig pistol, produktion</translation>
    </message>
    <message>
        <source>Small Bore Pistol Standing</source>
        <translation>Finkalibrig pistol, stående</translation>
    </message>
    <message>
        <source>Small Bore Pistol Unlimited</source>
        <translation>Finkalibrig pistol, fri</translation>
    </message>
    <message>
        <source>Field Pistol Production</source>
        <translation>Fältpistol, produktion</translation>
    </message>
    <message>
        <source>Field Pistol Production Any Sight</source>
        <translation>Fältpistol, produktion, valfritt sikte</translation>
    </message>
    <message>
        <source>Big Bore Rifle Silhouette</source>
        <translation>Grovkalibrigt gevär, silhuett</translation>
    </message>
    <message>
        <source>Big Bore Rifle Hunter</source>
        <translation>Grovkalibrigt gevär, jakt</translation>
    </message>
    <message>
        <source>Small Bore Rifle Silhouette</source>
        <translation>Finkalibrigt gevär, silhuett</translation>
    </message>
    <message>
        <source>Small Bore Rifle Light</source>
        <translation>Finkalibrigt gevär, lätt</translation>
    </message>
    <message>
        <source>No Class</source>
        <translation>Ingen klass</translation>
    </message>
    <message>
        <source>Big Bore Pistol Aggregate</source>
        <translation>Grovkalibrig pistol, sammanlagt</translation>
    </message>
    <message>
        <source>Field Pistol Aggregate</source>
        <translation>Fältpistol, sammanlagt</translation>
    </message>
    <message>
        <source>Small Bore Pistol Aggregate</source>
        <translation>Finkalibrig pistol, sammanlagt</translation>
    </message>
    <message>
        <source>Standing Aggregate</source>
        <translation>Stående, sammanlagt</translation>
    </message>
    <message>
        <source>Small Bore Rifle Aggregate</source>
        <translation>Finkalibrigt gevär, sammanlagt</translation>
    </message>
    <message>
        <source>Big Bore Rifle Aggregate</source>
        <translation>Grovkalibrigt gevär, sammanlagt</translation>
    </message>
    <message>
        <source>Big Bore Pistol Teams</source>
        <translation>Grovkalibrig pistol, lag</translation>
    </message>
    <message>
        <source>Small Bore Pistol Teams</source>
        <translation>Finkalibrig pistol, lag</translation>
    </message>
    <message>
        <source>Field Pistol Teams</source>
        <translation>Fältpistol, lag</translation>
    </message>
    <message>
        <source>Small Bore Rifle Teams</source>
        <translation>Finkalibrigt gevär, lag</translation>
    </message>
    <message>
        <source>Big Bore Rifle Teams</source>
        <translation>Grovkalibrigt gevär, lag</translation>
    </message>
    <message>
        <source>Standing Teams</source>
        <translation>Stående, lag</translation>
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
</context>
<context>
    <name>EntryLog</name>
    <message>
        <source>it is not a plain file (a link, a pipe or a folder)</source>
        <translation>den är ingen vanlig fil (en länk, ett rör eller en mapp)</translation>
    </message>
    <message>
        <source>it is not an entry log of Marvola</source>
        <translation>den är ingen registreringslogg från Marvola</translation>
    </message>
</context>
<context>
    <name>ImportColumns</name>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Förnamn</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Efternamn</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubb</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationalitet</translation>
    </message>
    <message>
        <source>Member number</source>
        <translation>Medlemsnummer</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Shares gun with</source>
        <translation>Delar vapen med</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Vänsterhänt</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Vapen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(importeras inte)</translation>
    </message>
    <message>
        <source>Entered in %1</source>
        <translation>Anmäld i %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The class &quot;%1&quot; is not valid in %2 (%3).</source>
        <translation>Klassen &quot;%1&quot; är inte giltig i %2 (%3).</translation>
    </message>
    <message>
        <source>Unknown discipline &quot;%1&quot;.</source>
        <translation>Okänd gren &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has a character the match file cannot hold: %3.</source>
        <translation>%1 &quot;%2&quot; har ett tecken som tävlingsfilen inte kan lagra: %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is longer than %3 characters.</source>
        <translation>%1 &quot;%2&quot; är längre än %3 tecken.</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Namnet</translation>
    </message>
    <message>
        <source>The club</source>
        <translation>Klubben</translation>
    </message>
    <message>
        <source>The nationality</source>
        <translation>Nationaliteten</translation>
    </message>
    <message>
        <source>The class in %1</source>
        <translation>Klassen i %1</translation>
    </message>
    <message>
        <source>The gun in %1</source>
        <translation>Vapnet i %1</translation>
    </message>
    <message>
        <source>The model in %1</source>
        <translation>Modellen i %1</translation>
    </message>
    <message>
        <source>The caliber in %1</source>
        <translation>Kalibern i %1</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Namnet är tomt.</translation>
    </message>
    <message>
        <source>The name is already in use: %1.</source>
        <translation>Namnet används redan: %1.</translation>
    </message>
    <message>
        <source>The same name is on line %1.</source>
        <translation>Samma namn finns på rad %1.</translation>
    </message>
    <message>
        <source>Suspected duplicate of %1.</source>
        <translation>Misstänkt dubblett av %1.</translation>
    </message>
    <message>
        <source>The register is full: a match can have %1 competitors.</source>
        <translation>Registret är fullt: en tävling kan ha %1 tävlande.</translation>
    </message>
</context>
<context>
    <name>ImportTable</name>
    <message>
        <source>Line %1 has a field longer than %2 characters: this is not a list of competitors.</source>
        <translation>Rad %1 har ett fält längre än %2 tecken: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>The quotes opened on line %1 are never closed.</source>
        <translation>Citattecknen som öppnas på rad %1 stängs aldrig.</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 columns: this is not a list of competitors.</source>
        <translation>Rad %1 har fler än %2 kolumner: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: this is not a list of competitors.</source>
        <translation>Filen är större än %1 MB: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>The file is not text: save the list as CSV or XLSX.</source>
        <translation>Filen är inte text: spara listan som CSV eller XLSX.</translation>
    </message>
    <message>
        <source>The file has more than %1 rows: this is not a list of competitors.</source>
        <translation>Filen har fler än %1 rader: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Filen är tom.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Det går inte att läsa %1: %2</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook: it has no sheets to choose from.</source>
        <translation>%1 är ingen XLSX-arbetsbok: den har inga blad att välja bland.</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
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
        <source>Chicken</source>
        <translation>Kyckl.</translation>
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
        <source>Total</source>
        <translation>Tot.</translation>
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
        <source>Passi</source>
        <translation>Bagge</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Vapen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <source>Competitor Name</source>
        <translation>Skyttens namn</translation>
    </message>
    <message>
        <source>Nro</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Nat.</source>
        <translation>Nat.</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Grenar</translation>
    </message>
</context>
<context>
    <name>ListStatus</name>
    <message>
        <source>Provisional results, posted %1; challenges until %2</source>
        <translation>Preliminära resultat, publicerade kl. %1; protester till kl. %2</translation>
    </message>
    <message>
        <source>Official results, %1</source>
        <translation>Officiella resultat, kl. %1</translation>
    </message>
    <message>
        <source>%1 class %2</source>
        <translation>%1 klass %2</translation>
    </message>
    <message>
        <source>Posted with a tie that needs a shoot-off: %1, places %2: %3.</source>
        <translation>Publicerad med ett lika resultat som kräver särskjutning: %1, platser %2: %3.</translation>
    </message>
    <message>
        <source>This would change official results (%1): nothing was changed. To correct them, reopen the list with a reason (Results &gt; Reopen lists..., or in batch --reopen LISTS --reason TEXT).</source>
        <translation>Detta skulle ändra officiella resultat (%1): inget ändrades. För att rätta dem, öppna listan igen med ett skäl (Resultat &gt; Öppna listor igen..., eller i batch --reopen LISTOR --reason TEXT).</translation>
    </message>
</context>
<context>
    <name>LiveBoard</name>
    <message>
        <source>a save of the match is under way</source>
        <translation>tävlingen håller på att sparas</translation>
    </message>
    <message>
        <source>--serve: %1 is not an IP address.</source>
        <translation>--serve: %1 är ingen IP-adress.</translation>
    </message>
    <message>
        <source>--serve: %1 is not a port number (0 to 65535).</source>
        <translation>--serve: %1 är inget portnummer (0–65535).</translation>
    </message>
</context>
<context>
    <name>LiveContent</name>
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
        <source>Gun</source>
        <translation>Vapen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>C</source>
        <translation>Ky</translation>
    </message>
    <message>
        <source>P</source>
        <translation>Gr</translation>
    </message>
    <message>
        <source>T</source>
        <translation>Ka</translation>
    </message>
    <message>
        <source>R</source>
        <translation>Ba</translation>
    </message>
    <message>
        <source>Tot</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Alla listor</translation>
    </message>
    <message>
        <source>Live results</source>
        <translation>Liveresultat</translation>
    </message>
    <message>
        <source>Find a shooter</source>
        <translation>Sök en skytt</translation>
    </message>
    <message>
        <source>Name, club or number</source>
        <translation>Namn, klubb eller nummer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>No. %1, %2</source>
        <translation>Nr %1, %2</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Rubrik</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Type a name, a club or a number.</source>
        <translation>Skriv ett namn, en klubb eller ett nummer.</translation>
    </message>
    <message>
        <source>No shooter&apos;s name, club or number matches “%1”.</source>
        <translation>Ingen skyttes namn, klubb eller nummer matchar ”%1”.</translation>
    </message>
    <message>
        <source>Last heard from the server:</source>
        <translation>Senaste svar från servern:</translation>
    </message>
    <message>
        <source>Not up to date: no answer from the results server since %1.</source>
        <translation>Inte aktuellt: inget svar från resultatservern sedan %1.</translation>
    </message>
    <message>
        <source>This list is no longer on the board.</source>
        <translation>Den här listan finns inte längre på resultattavlan.</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Klubb: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Plats: %1</translation>
    </message>
    <message>
        <source>Date: %1 - %2</source>
        <translation>Datum: %1 - %2</translation>
    </message>
    <message>
        <source>Shoot-off pending</source>
        <translation>Särskjutning väntar</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>%1 min kvar</translation>
    </message>
    <message>
        <source>Relays: now and next</source>
        <translation>Skjutlag: nu och härnäst</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>Skjutlag</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Skjutlag</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Shooting now</source>
        <translation>Skjuter nu</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Härnäst</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Relay %1, %2–%3: %4</source>
        <translation>Skjutlag %1, %2–%3: %4</translation>
    </message>
    <message>
        <source>No relay is shooting now.</source>
        <translation>Inget skjutlag skjuter nu.</translation>
    </message>
    <message>
        <source>No more relays are planned today.</source>
        <translation>Inga fler skjutlag är planerade i dag.</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Kl.</translation>
    </message>
</context>
<context>
    <name>MailStore</name>
    <message>
        <source>The entry log %1 cannot be written: %2</source>
        <translation>Inmatningsloggen %1 kan inte skrivas: %2</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>No display: use the batch mode (marvola MATCH.mrv --pdf OUT.pdf, see --help) or run under xvfb-run.</source>
        <translation>Ingen skärm: använd batchläget (marvola TÄVLING.mrv --pdf UT.pdf, se --help) eller kör under xvfb-run.</translation>
    </message>
</context>
<context>
    <name>MatchChanges</name>
    <message>
        <source>The entry log holds the value &quot;%1&quot; for %2, which it cannot hold.</source>
        <translation>Registreringsloggen har värdet &quot;%1&quot; för %2, som fältet inte kan rymma.</translation>
    </message>
    <message>
        <source>The entry log names a field this program does not know: %1 %2 %3.</source>
        <translation>Registreringsloggen nämner ett fält som det här programmet inte känner: %1 %2 %3.</translation>
    </message>
    <message>
        <source>The entry log&apos;s change of %1 for number %2 does not fit the match: its place holds number %3, or the number is another&apos;s.</source>
        <translation>Registreringsloggens ändring av %1 för nummer %2 passar inte tävlingen: på dess plats finns nummer %3, eller så har någon annan numret.</translation>
    </message>
    <message>
        <source>The entry log holds a change this program does not know: %1 %2.</source>
        <translation>Registreringsloggen har en ändring som det här programmet inte känner: %1 %2.</translation>
    </message>
    <message>
        <source>The entry log&apos;s change of %1 holds a value this program cannot read: %2.</source>
        <translation>Inmatningsloggens ändring av %1 har ett värde som programmet inte kan läsa: %2.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 hits below 0</source>
        <translation>%1: träffar under 0</translation>
    </message>
    <message>
        <source>%1 hits above %2, the targets of one animal</source>
        <translation>%1: träffar över %2, antalet mål för ett djur</translation>
    </message>
    <message>
        <source>Total above %1, the shots</source>
        <translation>Totalen över %1, antalet skott</translation>
    </message>
    <message>
        <source>Total %1 is not the sum of the hits, %2</source>
        <translation>Totalen %1 är inte summan av träffarna, %2</translation>
    </message>
</context>
<context>
    <name>PrintLists</name>
    <message>
        <source>Unknown list &quot;%1&quot;. The lists are: %2.</source>
        <translation>Okänd lista &quot;%1&quot;. Listorna är: %2.</translation>
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
        <translation>Spara</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>RelayLists</name>
    <message>
        <source>Start list by relay</source>
        <translation>Startlista per skjutlag</translation>
    </message>
    <message>
        <source>Start list by club</source>
        <translation>Startlista per klubb</translation>
    </message>
    <message>
        <source>Start list by competitor</source>
        <translation>Startlista per tävlande</translation>
    </message>
    <message>
        <source>Cards not returned</source>
        <translation>Ej inlämnade kort</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Skjutlag</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
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
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Relay %1, %2, %3 min: %4</source>
        <translation>Skjutlag %1, %2, %3 min: %4</translation>
    </message>
    <message>
        <source>No club</source>
        <translation>Ingen klubb</translation>
    </message>
    <message>
        <source>Relays ended by %1</source>
        <translation>Skjutlag som slutat senast %1</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>The report could not be sent to its destination.</source>
        <translation>Rapporten kunde inte skickas till sitt mål.</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
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
    <name>ResultSheet</name>
    <message>
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Vapen</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Omskjutning</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>In class</source>
        <translation>I klassen</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Sammanlagt</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Team list</source>
        <translation>Laglista</translation>
    </message>
    <message>
        <source>Provisional results</source>
        <translation>Preliminära resultat</translation>
    </message>
    <message>
        <source>Official results</source>
        <translation>Officiella resultat</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Resultatblad</translation>
    </message>
    <message>
        <source>Result sheet %1</source>
        <translation>Resultatblad %1</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationalitet</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Grenar</translation>
    </message>
    <message>
        <source>No disciplines entered.</source>
        <translation>Inga anmälda grenar.</translation>
    </message>
    <message>
        <source>Places are given as place / competitors. The overall first three are placed above the classes.</source>
        <translation>Placeringarna anges som placering / tävlande. De tre bästa totalt placeras ovanför klasserna.</translation>
    </message>
    <message>
        <source>Aggregates</source>
        <translation>Sammanlagda</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Lag</translation>
    </message>
</context>
<context>
    <name>ScoreCards</name>
    <message>
        <source>Score cards</source>
        <translation>Skjutkort</translation>
    </message>
    <message>
        <source>There are no score cards to print.</source>
        <translation>Det finns inga skjutkort att skriva ut.</translation>
    </message>
</context>
<context>
    <name>SheetMail</name>
    <message>
        <source>Provisional results: %1</source>
        <translation>Preliminära resultat: %1</translation>
    </message>
    <message>
        <source>Official results: %1</source>
        <translation>Officiella resultat: %1</translation>
    </message>
    <message>
        <source>Your results: %1</source>
        <translation>Dina resultat: %1</translation>
    </message>
    <message>
        <source>Hello %1,</source>
        <translation>Hej %1,</translation>
    </message>
    <message>
        <source>your result sheet of %1, %2 - %3, is attached.</source>
        <translation>bifogat finns ditt resultatblad från %1, %2 - %3.</translation>
    </message>
    <message>
        <source>The results are provisional and may still change.</source>
        <translation>Resultaten är preliminära och kan ännu ändras.</translation>
    </message>
    <message>
        <source>The results are official.</source>
        <translation>Resultaten är officiella.</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: sent (%3)</source>
        <translation>%1 &lt;%2&gt;: skickat (%3)</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: NOT sent: %3</source>
        <translation>%1 &lt;%2&gt;: INTE skickat: %3</translation>
    </message>
    <message>
        <source>%1: no e-mail address</source>
        <translation>%1: ingen e-postadress</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: sent before, not again</source>
        <translation>%1 &lt;%2&gt;: skickat tidigare, inte igen</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Scoring station</source>
        <translation>Resultatstation</translation>
    </message>
    <message>
        <source>Nothing waiting</source>
        <translation>Inget väntar</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 väntar</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Laddar…</translation>
    </message>
    <message>
        <source>Scan the station&apos;s QR code on the office screen.</source>
        <translation>Skanna stationens QR-kod på kansliets skärm.</translation>
    </message>
    <message>
        <source>This phone is not paired with a station.</source>
        <translation>Den här telefonen är inte kopplad till någon station.</translation>
    </message>
    <message>
        <source>The office refused this station.</source>
        <translation>Kansliet avvisade den här stationen.</translation>
    </message>
    <message>
        <source>The office cannot be reached. Try again.</source>
        <translation>Kansliet kan inte nås. Försök igen.</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Last sent</source>
        <translation>Senast skickade</translation>
    </message>
    <message>
        <source>%1: competitor</source>
        <translation>%1: skytt</translation>
    </message>
    <message>
        <source>Number or name</source>
        <translation>Nummer eller namn</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>No competitor found.</source>
        <translation>Ingen skytt hittades.</translation>
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
        <source>too many</source>
        <translation>för många</translation>
    </message>
    <message>
        <source>Total %1 of %2</source>
        <translation>Totalt %1 av %2</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Särskjutning</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Please check, %1</source>
        <translation>Kontrollera, %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>A count is more than the targets shot.</source>
        <translation>Ett antal är större än de skjutna målen.</translation>
    </message>
    <message>
        <source>Competitor’s initials (optional)</source>
        <translation>Skyttens initialer (frivilligt)</translation>
    </message>
    <message>
        <source>Confirm and send</source>
        <translation>Bekräfta och skicka</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>sparad</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>dubblett</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>konflikt</translation>
    </message>
    <message>
        <source>awaiting</source>
        <translation>väntar på en andra</translation>
    </message>
    <message>
        <source>disagreement</source>
        <translation>oenighet</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>avvisad</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Skjutlag</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alla</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Plats %1</translation>
    </message>
</context>
<context>
    <name>StationStore</name>
    <message>
        <source>The entry log %1 cannot be written: %2</source>
        <translation>Inmatningsloggen %1 kan inte skrivas: %2</translation>
    </message>
    <message>
        <source>%1 is not a discipline code.</source>
        <translation>%1 är ingen grenkod.</translation>
    </message>
    <message>
        <source>A station needs a name.</source>
        <translation>En station behöver ett namn.</translation>
    </message>
    <message>
        <source>No free station id was found.</source>
        <translation>Inget ledigt stations-id hittades.</translation>
    </message>
    <message>
        <source>There is no station %1.</source>
        <translation>Det finns ingen station %1.</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>The file is larger than %1 MB: this is not a list of competitors.</source>
        <translation>Filen är större än %1 MB: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read.</source>
        <translation>%1 är ingen XLSX-arbetsbok som kan läsas.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: it has no %2.</source>
        <translation>%1 är ingen XLSX-arbetsbok som kan läsas: den saknar %2.</translation>
    </message>
    <message>
        <source>%1 unpacks to more than %2 MB in %3: this is not a list of competitors.</source>
        <translation>%1 packas upp till mer än %2 MB i %3: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: %2 (%3).</source>
        <translation>%1 är ingen XLSX-arbetsbok som kan läsas: %2 (%3).</translation>
    </message>
    <message>
        <source>%1 has no sheet.</source>
        <translation>%1 har inget blad.</translation>
    </message>
    <message>
        <source>%1 has no sheet named &quot;%2&quot;; its sheets are: %3.</source>
        <translation>%1 har inget blad som heter &quot;%2&quot;; dess blad är: %3.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: its sheet has no part.</source>
        <translation>%1 är ingen XLSX-arbetsbok som kan läsas: dess blad saknar del.</translation>
    </message>
    <message>
        <source>%1 has more than %2 filled cells: this is not a list of competitors.</source>
        <translation>%1 har fler än %2 ifyllda celler: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has a value in column %2; a list of competitors has at most %3 columns.</source>
        <translation>Rad %1 i bladet har ett värde i kolumn %2; en lista över tävlande har högst %3 kolumner.</translation>
    </message>
    <message>
        <source>The sheet has more than %1 rows: this is not a list of competitors.</source>
        <translation>Bladet har fler än %1 rader: det här är ingen lista över tävlande.</translation>
    </message>
    <message>
        <source>The sheet is empty.</source>
        <translation>Bladet är tomt.</translation>
    </message>
</context>
<context>
    <name>marvola</name>
    <message>
        <source>The body is not a JSON object.</source>
        <translation>Innehållet är inget JSON-objekt.</translation>
    </message>
    <message>
        <source>The id must be 1 to 64 letters, digits or hyphens.</source>
        <translation>Id:t måste vara 1 till 64 bokstäver, siffror eller bindestreck.</translation>
    </message>
    <message>
        <source>The competitor must be a competitor number.</source>
        <translation>Den tävlande måste anges med tävlingsnummer.</translation>
    </message>
    <message>
        <source>The discipline must be a discipline code such as BBPR.</source>
        <translation>Grenen måste vara en grenkod, till exempel BBPR.</translation>
    </message>
    <message>
        <source>The hits of %1 must be a whole number.</source>
        <translation>Träffarna för %1 måste vara ett heltal.</translation>
    </message>
    <message>
        <source>The total must be a whole number.</source>
        <translation>Totalen måste vara ett heltal.</translation>
    </message>
    <message>
        <source>The shoot-off entries must be a list of at most five texts.</source>
        <translation>Särskjutningarna måste vara en lista med högst fem texter.</translation>
    </message>
    <message>
        <source>A shoot-off entry is a text of at most two characters.</source>
        <translation>En särskjutning är en text på högst två tecken.</translation>
    </message>
    <message>
        <source>The shots must be a list of the targets&apos; marks.</source>
        <translation>Skotten måste vara en lista med figurernas markeringar.</translation>
    </message>
    <message>
        <source>The initials must be a text of at most 10 characters.</source>
        <translation>Initialerna måste vara en text på högst 10 tecken.</translation>
    </message>
    <message>
        <source>This station may not score %1.</source>
        <translation>Den här stationen får inte registrera %1.</translation>
    </message>
    <message>
        <source>The total must be the sum of the hits.</source>
        <translation>Summan måste vara summan av träffarna.</translation>
    </message>
    <message>
        <source>This station has used the largest counter the office takes (18 nines): pair the phone again.</source>
        <translation>Den här stationen har använt den största räknare kansliet tar emot (18 nior): para ihop telefonen igen.</translation>
    </message>
    <message>
        <source>The counter is not above the last one accepted.</source>
        <translation>Räknaren är inte större än den senast godkända.</translation>
    </message>
    <message>
        <source>point %1 of relay %2 is given twice</source>
        <translation>plats %1 i skjutlag %2 har getts två gånger</translation>
    </message>
    <message>
        <source>relay %1 overlaps relay %2, where this competitor shoots %3</source>
        <translation>skjutlag %1 överlappar skjutlag %2, där den tävlande skjuter %3</translation>
    </message>
    <message>
        <source>relay %1 overlaps relay %2 of %3, who shares the gun</source>
        <translation>skjutlag %1 överlappar skjutlag %2 för %3, som delar vapnet</translation>
    </message>
    <message>
        <source>competitor %1 is not entered in %2</source>
        <translation>tävlande %1 är inte anmäld i %2</translation>
    </message>
    <message>
        <source>relay %1 is not in the plan</source>
        <translation>skjutlag %1 finns inte i planen</translation>
    </message>
    <message>
        <source>relay %1 does not shoot %2</source>
        <translation>skjutlag %1 skjuter inte %2</translation>
    </message>
    <message>
        <source>relay %1 has no point %2</source>
        <translation>skjutlag %1 har ingen plats %2</translation>
    </message>
    <message>
        <source>%1 fields where the heading has 5</source>
        <translation>%1 fält där rubrikraden har 5</translation>
    </message>
    <message>
        <source>no discipline</source>
        <translation>ingen gren</translation>
    </message>
    <message>
        <source>unknown discipline &quot;%1&quot;</source>
        <translation>okänd gren &quot;%1&quot;</translation>
    </message>
    <message>
        <source>discipline %1 named twice</source>
        <translation>grenen %1 nämnd två gånger</translation>
    </message>
    <message>
        <source>relay number &quot;%1&quot; is not a whole number from 1 to %2</source>
        <translation>skjutlagets nummer &quot;%1&quot; är inte ett heltal från 1 till %2</translation>
    </message>
    <message>
        <source>start &quot;%1&quot; is not a time from 00:00 to 23:59</source>
        <translation>start &quot;%1&quot; är inte en tid från 00:00 till 23:59</translation>
    </message>
    <message>
        <source>length &quot;%1&quot; is not a number of minutes from 1 to %2</source>
        <translation>längden &quot;%1&quot; är inte ett antal minuter från 1 till %2</translation>
    </message>
    <message>
        <source>points &quot;%1&quot; is not a whole number from 1 to %2</source>
        <translation>platser &quot;%1&quot; är inte ett heltal från 1 till %2</translation>
    </message>
    <message>
        <source>the first line must be the heading disciplines;relay;start;minutes;points</source>
        <translation>första raden måste vara rubriken disciplines;relay;start;minutes;points</translation>
    </message>
    <message>
        <source>relay %1 is already in the plan</source>
        <translation>skjutlag %1 finns redan i planen</translation>
    </message>
    <message>
        <source>the plan is empty: no heading line</source>
        <translation>planen är tom: ingen rubrikrad</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan inte läsa %1: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes: not a relay plan</source>
        <translation>%1 är större än %2 byte: det är ingen skjutlagsplan</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Klubb: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Klass: %1</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Skjutlag</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Träffar</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Omskjutning</translation>
    </message>
    <message>
        <source>Competitor&apos;s signature</source>
        <translation>Skyttens underskrift</translation>
    </message>
    <message>
        <source>Scorer&apos;s signature</source>
        <translation>Protokollförarens underskrift</translation>
    </message>
    <message>
        <source>There are no score cards to print.</source>
        <translation>Det finns inga skjutkort att skriva ut.</translation>
    </message>
    <message>
        <source>Score cards</source>
        <translation>Skjutkort</translation>
    </message>
</context>
<context>
    <name>marvola::CheckResultsDialog</name>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>What looks wrong</source>
        <translation>Vad som verkar fel</translation>
    </message>
    <message>
        <source>Check results</source>
        <translation>Kontrollera resultat</translation>
    </message>
    <message>
        <source>Every result follows the rules.</source>
        <translation>Alla resultat följer reglerna.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Double-click one to correct it.</source>
        <translation>
            <numerusform>%n resultat verkar felaktigt. Dubbelklicka på det för att rätta det.</numerusform>
            <numerusform>%n resultat verkar felaktiga. Dubbelklicka på ett för att rätta det.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marvola::CompetitorEntryDialog</name>
    <message>
        <source>Add/Edit Competitor</source>
        <translation>Lägg till/redigera skytt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
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
        <source>Nationality</source>
        <translation>Nationalitet</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Vapen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <source>Aggr.</source>
        <translation>Samm.</translation>
    </message>
</context>
<context>
    <name>marvola::CompetitorForm</name>
    <message>
        <source>Muodossa: Sukunimi Etunimi</source>
        <translation>Som: Efternamn Förnamn</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Member or competitor numbers of those who shoot the same gun</source>
        <translation>Medlems- eller tävlingsnummer för dem som skjuter med samma vapen</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Vänsterhänt</translation>
    </message>
    <message>
        <source>Member number</source>
        <translation>Medlemsnummer</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-post</translation>
    </message>
    <message>
        <source>Shares gun with</source>
        <translation>Delar vapen med</translation>
    </message>
    <message>
        <source>The e-mail address is not valid.</source>
        <translation>E-postadressen är inte giltig.</translation>
    </message>
</context>
<context>
    <name>marvola::DatabaseDialog</name>
    <message>
        <source>Tämä moduuli on kokeellinen. Se lähettää kilpailun tulokset online-tietokantaan, josta liiton verkkosivuilla (%1) näytetään live-tilastoja kilpailun aikana.</source>
        <translation>Den här modulen är experimentell. Den skickar tävlingens resultat till onlinedatabasen, från vilken förbundets webbsidor (%1) visar livestatistik under tävlingen.</translation>
    </message>
    <message>
        <source>1. Paina ensin &quot;Connect&quot; ja odota, että ylempään ruutuun tulee tuloksia.</source>
        <translation>1. Tryck först på &quot;Anslut&quot; och vänta tills resultat visas i den övre rutan.</translation>
    </message>
    <message>
        <source>2. Valitse sitten lähetettävät lajit ja paina &quot;Send Results&quot;.</source>
        <translation>2. Välj sedan grenarna som ska skickas och tryck på &quot;Skicka resultat&quot;.</translation>
    </message>
    <message>
        <source>3. Odota, että yllä olevaan ruutuun tulee ilmoitus onnistuneesta siirrosta. Paina lopuksi &quot;Disconnect&quot; ja sulje ikkuna.</source>
        <translation>3. Vänta tills rutan ovan meddelar att överföringen lyckades. Tryck till sist på &quot;Koppla från&quot; och stäng fönstret.</translation>
    </message>
    <message>
        <source>Jos näkyviin tulee virheilmoitus, lähetä kilpailun neljä tulostiedostoa sähköpostilla osoitteeseen %1.</source>
        <translation>Om ett felmeddelande visas, skicka tävlingens fyra resultatfiler med e-post till %1.</translation>
    </message>
    <message>
        <source>Connnect</source>
        <translation>Anslut</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Send Results</source>
        <translation>Skicka resultat</translation>
    </message>
    <message>
        <source>Replace the rows sent earlier for this match</source>
        <translation>Ersätt de rader som skickats tidigare för tävlingen</translation>
    </message>
    <message>
        <source>Export to database</source>
        <translation>Export till databasen</translation>
    </message>
    <message>
        <source>Siirto valmis!</source>
        <translation>Överföringen är klar!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>marvola::DatabaseLoginDialog</name>
    <message>
        <source>Browse...</source>
        <translation>Bläddra...</translation>
    </message>
    <message>
        <source>Allow unencrypted connection</source>
        <translation>Tillåt okrypterad anslutning</translation>
    </message>
    <message>
        <source>Database Login</source>
        <translation>Inloggning i databasen</translation>
    </message>
    <message>
        <source>the system&apos;s certificates</source>
        <translation>systemets certifikat</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Databas:</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Värdnamn:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Användarnamn:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lösenord:</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA-fil:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>CA certificate of the results server</source>
        <translation>Resultatserverns CA-certifikat</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>Certifikat (*.pem *.crt);;Alla filer (*)</translation>
    </message>
</context>
<context>
    <name>marvola::Draw</name>
    <message>
        <source>no relay of the plan shoots %1</source>
        <translation>inget skjutlag i planen skjuter %1</translation>
    </message>
    <message>
        <source>every relay of %1 with a free point overlaps a relay of %2, who shares the gun</source>
        <translation>varje skjutlag i %1 med en ledig plats överlappar ett skjutlag för %2, som delar vapnet</translation>
    </message>
    <message>
        <source>every relay of %1 with a free point overlaps another relay of this competitor</source>
        <translation>varje skjutlag i %1 med en ledig plats överlappar ett annat skjutlag för den tävlande</translation>
    </message>
    <message>
        <source>every relay of %1 is full</source>
        <translation>alla skjutlag i %1 är fulla</translation>
    </message>
    <message>
        <source>number %1 is given to two competitors</source>
        <translation>nummer %1 har getts till två tävlande</translation>
    </message>
</context>
<context>
    <name>marvola::EditCompetitorDialog</name>
    <message>
        <source>Nimi ei ole kelvollinen.</source>
        <translation>Namnet är inte giltigt.</translation>
    </message>
    <message>
        <source>Tällä nimellä on jo kilpailija.</source>
        <translation>Det finns redan en skytt med det här namnet.</translation>
    </message>
    <message>
        <source>Edit Competitor</source>
        <translation>Redigera skytt</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
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
        <source>Nationality</source>
        <translation>Nationalitet</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>%1 has results entered, and they are lost when the competitor is removed. Remove %1?</source>
        <translation>%1 har inmatade resultat, och de går förlorade när skytten tas bort. Ta bort %1?</translation>
    </message>
</context>
<context>
    <name>marvola::EditTeamDialog</name>
    <message>
        <source>To remove team: Clear team name and press OK</source>
        <translation>Ta bort laget: töm lagets namn och tryck på OK</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Redigera lag</translation>
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
        <translation>Skyttens eller lagets nummer</translation>
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
        <translation>Inga ändringar i tävlingen har loggats ännu.</translation>
    </message>
    <message>
        <source>Newest first; the log of %1 is read-only.</source>
        <translation>Nyaste först; loggen för %1 är skrivskyddad.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Fält</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Gammalt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nytt</translation>
    </message>
    <message>
        <source>office</source>
        <translation>kansliet</translation>
    </message>
    <message>
        <source>competitor</source>
        <translation>skytt</translation>
    </message>
    <message>
        <source>team</source>
        <translation>lag</translation>
    </message>
    <message>
        <source>match</source>
        <translation>tävling</translation>
    </message>
    <message>
        <source>open</source>
        <translation>öppning</translation>
    </message>
    <message>
        <source>save</source>
        <translation>sparning</translation>
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
        <source>Nationality</source>
        <translation>Nationalitet</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Anmäld</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Vapen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliber</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Placering</translation>
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
        <source>Total</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Första dag</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Sista dag</translation>
    </message>
    <message>
        <source>Match Director</source>
        <translation>Tävlingsledare</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekordgodkänd</translation>
    </message>
    <message>
        <source>Group shot</source>
        <translation>Gruppen skjuts</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Skott</translation>
    </message>
    <message>
        <source>Last number</source>
        <translation>Sista nummer</translation>
    </message>
    <message>
        <source>station %1</source>
        <translation>station %1</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>återställd</translation>
    </message>
    <message>
        <source>batch</source>
        <translation>batchkörning</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>sparning börjar</translation>
    </message>
</context>
<context>
    <name>marvola::ImportDialog</name>
    <message>
        <source>Import Competitors</source>
        <translation>Importera tävlande</translation>
    </message>
    <message>
        <source>Competitors from %1</source>
        <translation>Tävlande från %1</translation>
    </message>
    <message>
        <source>(column %1 without heading)</source>
        <translation>(kolumn %1 utan rubrik)</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>Vad varje kolumn innehåller:</translation>
    </message>
    <message>
        <source>&amp;Shorten the texts that are too long for their fields</source>
        <translation>&amp;Korta av texterna som är för långa för sina fält</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Rad</translation>
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
        <source>Disciplines</source>
        <translation>Grenar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Orsak</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importera</translation>
    </message>
    <message>
        <source>new</source>
        <translation>ny</translation>
    </message>
    <message>
        <source>update</source>
        <translation>uppdatering</translation>
    </message>
    <message>
        <source>suspected duplicate</source>
        <translation>misstänkt dubblett</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>avvisad</translation>
    </message>
    <message>
        <source>Updates %1.</source>
        <translation>Uppdaterar %1.</translation>
    </message>
    <message>
        <source>Import this row as a new competitor</source>
        <translation>Importera den här raden som en ny tävlande</translation>
    </message>
    <message>
        <source>No column holds the names: choose the column of the name or of the last name.</source>
        <translation>Ingen kolumn innehåller namnen: välj kolumnen för namnet eller efternamnet.</translation>
    </message>
    <message>
        <source>Also add them to the shooter &amp;register</source>
        <translation>Lägg även till dem i skytte&amp;registret</translation>
    </message>
    <message>
        <source>New: %1, updates: %2, suspected duplicates: %3, refused: %4. Nothing changes until you press Import.</source>
        <translation>Nya: %1, uppdateringar: %2, misstänkta dubbletter: %3, avvisade: %4. Inget ändras förrän du trycker på Importera.</translation>
    </message>
</context>
<context>
    <name>marvola::ListStatusDialog</name>
    <message>
        <source>Post results</source>
        <translation>Publicera resultat</translation>
    </message>
    <message>
        <source>Declare official</source>
        <translation>Fastställ som officiella</translation>
    </message>
    <message>
        <source>Reopen lists</source>
        <translation>Öppna listor igen</translation>
    </message>
    <message>
        <source>Post the ticked lists as provisional results. Their challenge window starts now.</source>
        <translation>Publicera de markerade listorna som preliminära resultat. Deras protesttid börjar nu.</translation>
    </message>
    <message>
        <source>Declare the ticked lists official. They cannot change until they are reopened.</source>
        <translation>Fastställ de markerade listorna som officiella. De kan inte ändras förrän de öppnas igen.</translation>
    </message>
    <message>
        <source>Reopen the ticked official lists, so that their results can be corrected.</source>
        <translation>Öppna de markerade officiella listorna igen, så att deras resultat kan rättas.</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>Markera &amp;alla</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>Markera &amp;inga</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Challenge window:</source>
        <translation>Pro&amp;testtid:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Skäl:</translation>
    </message>
    <message>
        <source>&amp;Post</source>
        <translation>&amp;Publicera</translation>
    </message>
    <message>
        <source>&amp;Declare official</source>
        <translation>&amp;Fastställ</translation>
    </message>
    <message>
        <source>Re&amp;open</source>
        <translation>Öpp&amp;na igen</translation>
    </message>
    <message>
        <source>Post them anyway?</source>
        <translation>Publicera ändå?</translation>
    </message>
    <message>
        <source>The challenge window has not ended for %1. Declare them official now?</source>
        <translation>Protesttiden har inte gått ut för %1. Fastställa dem som officiella nu?</translation>
    </message>
    <message>
        <source>Tick the lists first.</source>
        <translation>Markera listorna först.</translation>
    </message>
    <message>
        <source>Type the reason for reopening.</source>
        <translation>Skriv skälet till att öppna igen.</translation>
    </message>
</context>
<context>
    <name>marvola::LiveResultsWindow</name>
    <message>
        <source>Live results</source>
        <translation>Liveresultat</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Live results could not start on port %1: %2</source>
        <translation>Liveresultaten kunde inte starta på port %1: %2</translation>
    </message>
    <message>
        <source>The live results are off.</source>
        <translation>Liveresultaten är avstängda.</translation>
    </message>
    <message>
        <source>The live results are on, but this computer has no network address: connect it to the range network.</source>
        <translation>Liveresultaten är på, men datorn har ingen nätverksadress: anslut den till banans nätverk.</translation>
    </message>
    <message>
        <source>The live results are on. Open one of these addresses on a phone or computer of the same network, or scan the code:</source>
        <translation>Liveresultaten är på. Öppna någon av de här adresserna på en telefon eller dator i samma nätverk, eller skanna koden:</translation>
    </message>
    <message>
        <source>Live results on %1</source>
        <translation>Liveresultat på %1</translation>
    </message>
    <message>
        <source>&amp;Live results...</source>
        <translation>&amp;Liveresultat...</translation>
    </message>
</context>
<context>
    <name>marvola::MailSheetsDialog</name>
    <message>
        <source>Allow unencrypted connection</source>
        <translation>Tillåt okrypterad anslutning</translation>
    </message>
    <message>
        <source>Send again to those who have their sheet</source>
        <translation>Skicka igen till dem som redan har sitt blad</translation>
    </message>
    <message>
        <source>Mail result sheets</source>
        <translation>Skicka resultatblad</translation>
    </message>
    <message>
        <source>HOST or HOST:PORT</source>
        <translation>VÄRD eller VÄRD:PORT</translation>
    </message>
    <message>
        <source>Mail &amp;server:</source>
        <translation>E-post&amp;server:</translation>
    </message>
    <message>
        <source>&amp;User (none: no login):</source>
        <translation>&amp;Användare (tom: ingen inloggning):</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Lösen&amp;ord:</translation>
    </message>
    <message>
        <source>&amp;From address:</source>
        <translation>&amp;Avsändaradress:</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>S&amp;kicka</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>The from address is not an e-mail address.</source>
        <translation>Avsändaradressen är ingen e-postadress.</translation>
    </message>
    <message>
        <source>No competitor is chosen.</source>
        <translation>Ingen tävlande är vald.</translation>
    </message>
    <message>
        <source>Save the match first: the messages sent are kept in its entry log.</source>
        <translation>Spara tävlingen först: de skickade meddelandena sparas i dess inmatningslogg.</translation>
    </message>
    <message>
        <source>Cancelled: %1 sent, %2 failed.</source>
        <translation>Avbrutet: %1 skickade, %2 misslyckades.</translation>
    </message>
    <message>
        <source>Done: %1 sent, %2 failed.</source>
        <translation>Klart: %1 skickade, %2 misslyckades.</translation>
    </message>
</context>
<context>
    <name>marvola::MainWindow</name>
    <message>
        <source>Changes are not logged: %1</source>
        <translation>Ändringar loggas inte: %1</translation>
    </message>
    <message>
        <source>1 change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</source>
        <translation>1 ändring i inmatningsloggen gjordes i ett annat tillstånd av tävlingen (den har sedan sparats på annat håll eller ersatts) och återställs inte.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match (it was saved elsewhere or replaced since) and are not restored.</source>
        <translation>
            <numerusform>%n ändring i inmatningsloggen gjordes i ett annat tillstånd av tävlingen (den har sedan sparats på annat håll eller ersatts) och återställs inte.</numerusform>
            <numerusform>%n ändringar i inmatningsloggen gjordes i ett annat tillstånd av tävlingen (den har sedan sparats på annat håll eller ersatts) och återställs inte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)</source>
        <translation>Silhuettfiler (*.mrv);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Verktygsfält</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Skyttar</translation>
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
        <translation>Öppna &amp;senaste</translation>
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
        <translation>&amp;Exportera</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>&amp;Information</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Competitors</source>
        <translation>S&amp;kyttar</translation>
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
        <source>Se&amp;ttings</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>The language changes when Marvola is started next time.</source>
        <translation>Språket byts nästa gång Marvola startas.</translation>
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
        <translation>Kryssa bara i om du läser filer skapade med den gamla versionen</translation>
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
        <source>Eipä ole montaa tulosta tallennettavana.</source>
        <translation>Det finns knappt några resultat att spara.</translation>
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
    <message numerus="yes">
        <source>Exported %n CSV files to %1: %2</source>
        <translation>
            <numerusform>Exporterade %n CSV-fil till %1: %2</numerusform>
            <numerusform>Exporterade %n CSV-filer till %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Continue?</source>
        <translation>
            <numerusform>%n resultat verkar felaktigt. Fortsätta?</numerusform>
            <numerusform>%n resultat verkar felaktiga. Fortsätta?</numerusform>
        </translation>
    </message>
    <message>
        <source>Show list</source>
        <translation>Visa listan</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Systemets språk</translation>
    </message>
    <message>
        <source>This version is early beta. If you find any bugs please report to: %1</source>
        <translation>Den här versionen är en tidig beta. Om du hittar fel, rapportera dem till: %1</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in another window (%2). Open it read-only?</source>
        <translation>Tävlingen %1 är öppnad för redigering i ett annat fönster (%2). Öppna den skrivskyddad?</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Spara ändå?</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (skrivskyddad)</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match and are not restored.</source>
        <translation>
            <numerusform>%n ändring i registreringsloggen gjordes i ett annat tillstånd av tävlingen och återställs inte.</numerusform>
            <numerusform>%n ändringar i registreringsloggen gjordes i ett annat tillstånd av tävlingen och återställs inte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 och %n till</numerusform>
            <numerusform>%1 och %n till</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry made after the last save, at %1, was not saved: %2. Restore it?</source>
        <translation>1 registrering gjord efter den senaste sparningen, kl. %1, sparades inte: %2. Återställa den?</translation>
    </message>
    <message>
        <source>1 entry made after the last save was not saved: %1. Restore it?</source>
        <translation>1 registrering gjord efter den senaste sparningen sparades inte: %1. Återställa den?</translation>
    </message>
    <message numerus="yes">
        <source>%n entries made after the last save were not saved (the last at %1): %2. Restore them?</source>
        <translation>
            <numerusform>%n registrering gjord efter den senaste sparningen sparades inte (kl. %1): %2. Återställa den?</numerusform>
            <numerusform>%n registreringar gjorda efter den senaste sparningen sparades inte (den sista kl. %1): %2. Återställa dem?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries made after the last save were not saved: %1. Restore them?</source>
        <translation>
            <numerusform>%n registrering gjord efter den senaste sparningen sparades inte: %1. Återställa den?</numerusform>
            <numerusform>%n registreringar gjorda efter den senaste sparningen sparades inte: %1. Återställa dem?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored from the entry log: %1.</source>
        <translation>
            <numerusform>%n registrering återställdes från registreringsloggen: %1.</numerusform>
            <numerusform>%n registreringar återställdes från registreringsloggen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The match has unsaved changes. Save them before closing?</source>
        <translation>Tävlingen har osparade ändringar. Spara dem innan den stängs?</translation>
    </message>
    <message>
        <source>Date: %1 - %2</source>
        <translation>Datum: %1 - %2</translation>
    </message>
    <message>
        <source> real date--&gt;%1</source>
        <translation> verkligt datum--&gt;%1</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Klubb: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Plats: %1</translation>
    </message>
    <message>
        <source>Match Director: %1</source>
        <translation>Tävlingsledare: %1</translation>
    </message>
    <message>
        <source>Kilpailut ovat ennätyskelpoiset </source>
        <translation>Rekord kan sättas i tävlingen</translation>
    </message>
    <message>
        <source>Kilpailut eivät ole ennätyskelpoiset </source>
        <translation>Rekord kan inte sättas i tävlingen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>No competitors yet. Open a match with File &gt; Open, or start a new one: enter the match information under Match and add competitors under Competitors &gt; Add/Modify.</source>
        <translation>Inga skyttar ännu. Öppna en tävling med Arkiv &gt; Öppna, eller börja en ny: fyll i tävlingsinformationen under Tävling och lägg till skyttar under Skyttar &gt; Lägg till/ändra.</translation>
    </message>
    <message>
        <source>I&amp;mport competitors...</source>
        <translation>Importera &amp;tävlande...</translation>
    </message>
    <message>
        <source>Import competitors</source>
        <translation>Importera tävlande</translation>
    </message>
    <message>
        <source>Competitor lists (*.csv *.xlsx *.txt);;All files (*)</source>
        <translation>Listor över tävlande (*.csv *.xlsx *.txt);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Shooter &amp;register...</source>
        <translation>Skytte&amp;register...</translation>
    </message>
    <message>
        <source>&amp;Shoot-offs needed</source>
        <translation>&amp;Särskjutningar som behövs</translation>
    </message>
    <message>
        <source>Export competitors</source>
        <translation>Exportera tävlande</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Excel workbooks (*.xlsx)</source>
        <translation>CSV-filer (*.csv);;Excel-arbetsböcker (*.xlsx)</translation>
    </message>
    <message>
        <source>Competitor list written to %1.</source>
        <translation>Listan över tävlande skrevs till %1.</translation>
    </message>
    <message>
        <source>Expor&amp;t competitors...</source>
        <translation>Exportera t&amp;ävlande...</translation>
    </message>
    <message>
        <source>A&amp;dd results to the register</source>
        <translation>Lägg till resultaten i re&amp;gistret</translation>
    </message>
    <message>
        <source>Export &amp;workbook...</source>
        <translation>Exportera &amp;arbetsbok...</translation>
    </message>
    <message>
        <source>Result s&amp;heets...</source>
        <translation>Resultat&amp;blad...</translation>
    </message>
    <message>
        <source>Mai&amp;l result sheets...</source>
        <translation>Skicka resultatblad via e-&amp;post...</translation>
    </message>
    <message>
        <source>Score &amp;cards...</source>
        <translation>Skjut&amp;kort...</translation>
    </message>
    <message>
        <source>&amp;Relays...</source>
        <translation>Skj&amp;utlag...</translation>
    </message>
    <message>
        <source>&amp;Post results...</source>
        <translation>&amp;Publicera resultat...</translation>
    </message>
    <message>
        <source>Declare &amp;official...</source>
        <translation>Fastställ som &amp;officiella...</translation>
    </message>
    <message>
        <source>Reope&amp;n lists...</source>
        <translation>Öppna listor ige&amp;n...</translation>
    </message>
    <message>
        <source>Export workbook</source>
        <translation>Exportera arbetsbok</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-arbetsböcker (*.xlsx)</translation>
    </message>
    <message>
        <source>Workbook written to %1.</source>
        <translation>Arbetsboken skrevs till %1.</translation>
    </message>
    <message>
        <source>Result sheets written to %1.</source>
        <translation>Resultatbladen skrivna till %1.</translation>
    </message>
</context>
<context>
    <name>marvola::MatchInfoDialog</name>
    <message>
        <source>Match Info</source>
        <translation>Tävlingsinformation</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Klubb</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Match Director</source>
        <translation>Tävlingsledare</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Disciplines and shots</source>
        <translation>Grenar och skott</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>marvola::MatchSession</name>
    <message>
        <source>another program</source>
        <translation>ett annat program</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>process %1 på %2</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>en okänd dator</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in another window (%2).</source>
        <translation>Tävlingen %1 är öppnad för redigering i ett annat fönster (%2).</translation>
    </message>
    <message>
        <source>The match %1 is open read-only: save it under another name.</source>
        <translation>Tävlingen %1 är öppnad skrivskyddad: spara den under ett annat namn.</translation>
    </message>
    <message>
        <source>The match %1 was changed on disk since it was opened or saved here, by another program or computer. Saving replaces those changes.</source>
        <translation>Tävlingen %1 har ändrats på disken sedan den öppnades eller sparades här, av ett annat program eller en annan dator. Att spara ersätter de ändringarna.</translation>
    </message>
    <message>
        <source>The entry log %1 was removed; a new one holds the changes not saved.</source>
        <translation>Registreringsloggen %1 togs bort; en ny logg innehåller de osparade ändringarna.</translation>
    </message>
    <message>
        <source>team %1</source>
        <translation>lag %1</translation>
    </message>
    <message>
        <source>match information</source>
        <translation>tävlingsuppgifterna</translation>
    </message>
    <message>
        <source>relays</source>
        <translation>skjutlag</translation>
    </message>
    <message>
        <source>status of %1</source>
        <translation>status för %1</translation>
    </message>
</context>
<context>
    <name>marvola::NewCompetitorDialog</name>
    <message>
        <source>New Competitor</source>
        <translation>Ny skytt</translation>
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
        <source>Nationality</source>
        <translation>Nationalitet</translation>
    </message>
    <message>
        <source>Kilpailijarekisteri täynnä!?! (Max. 500).</source>
        <translation>Skyttregistret är fullt! (Högst 500.)</translation>
    </message>
    <message>
        <source>This name is already in use</source>
        <translation>Namnet används redan</translation>
    </message>
    <message>
        <source>Name is not valid.</source>
        <translation>Namnet är inte giltigt.</translation>
    </message>
    <message>
        <source>Type a name or a member number to find the shooter in the shooter register</source>
        <translation>Skriv ett namn eller ett medlemsnummer för att hitta skytten i skytteregistret</translation>
    </message>
</context>
<context>
    <name>marvola::NewTeamDialog</name>
    <message>
        <source>Joukkuerekisteri täynnä!?! (Max. 100).</source>
        <translation>Lagregistret är fullt! (Högst 100.)</translation>
    </message>
    <message>
        <source>This name is already in use.</source>
        <translation>Namnet används redan.</translation>
    </message>
    <message>
        <source>Name is not valid.</source>
        <translation>Namnet är inte giltigt.</translation>
    </message>
    <message>
        <source>New Team</source>
        <translation>Nytt lag</translation>
    </message>
</context>
<context>
    <name>marvola::PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message>
        <source>Clear selection</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Adobe Acrobat (PDF)</source>
        <translation>Adobe Acrobat (PDF)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Webbsida (HTML)</translation>
    </message>
    <message>
        <source>Standing</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>Skjutlag</translation>
    </message>
</context>
<context>
    <name>marvola::Prompts</name>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Spara inte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>marvola::RegisterFileDialog</name>
    <message>
        <source>Shooter Register</source>
        <translation>Skytteregister</translation>
    </message>
    <message>
        <source>The shooter register&apos;s file. A file on the club&apos;s shared folder lets every computer of the club use the same register. A missing file is made.</source>
        <translation>Skytteregistrets fil. En fil i klubbens delade mapp låter alla klubbens datorer använda samma register. En fil som saknas skapas.</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fil:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bläddra...</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Shooter register</source>
        <translation>Skytteregister</translation>
    </message>
    <message>
        <source>Shooter registers (*.sqlite);;All files (*)</source>
        <translation>Skytteregister (*.sqlite);;Alla filer (*)</translation>
    </message>
</context>
<context>
    <name>marvola::RelayDrawDialog</name>
    <message>
        <source>Trial draw</source>
        <translation>Provlottning</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Frö:</translation>
    </message>
    <message>
        <source>Draw &amp;again</source>
        <translation>Lotta &amp;igen</translation>
    </message>
    <message>
        <source>&amp;New seed</source>
        <translation>&amp;Nytt frö</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Unmet rule</source>
        <translation>Ouppfylld regel</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Verkställ</translation>
    </message>
    <message>
        <source>not placed: %1</source>
        <translation>inte placerad: %1</translation>
    </message>
    <message>
        <source>Seed %1: %2 entries placed, %3 not placed, %4 places break a hard rule. Apply puts these places into the match; locked places stay as they are.</source>
        <translation>Frö %1: %2 starter placerade, %3 inte placerade, %4 platser bryter mot en absolut regel. Verkställ för in dessa platser i tävlingen; låsta platser står kvar.</translation>
    </message>
</context>
<context>
    <name>marvola::RelayPlacesView</name>
    <message>
        <source>Point</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
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
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Låst</translation>
    </message>
    <message>
        <source>Breaks a rule</source>
        <translation>Bryter mot regel</translation>
    </message>
    <message>
        <source>Relay %1   %2-%3   %4   %5/%6 points taken</source>
        <translation>Skjutlag %1   %2-%3   %4   %5/%6 platser tagna</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>låst</translation>
    </message>
    <message>
        <source>Relay %1 is not in the plan</source>
        <translation>Skjutlag %1 finns inte i planen</translation>
    </message>
    <message>
        <source>Not placed</source>
        <translation>Inte placerade</translation>
    </message>
</context>
<context>
    <name>marvola::RelaysWindow</name>
    <message>
        <source>Relays</source>
        <translation>Skjutlag</translation>
    </message>
    <message>
        <source>&amp;Places</source>
        <translation>&amp;Platser</translation>
    </message>
    <message>
        <source>P&amp;lan</source>
        <translation>Pla&amp;nering</translation>
    </message>
    <message>
        <source>Cards &amp;not returned</source>
        <translation>Ej inlämnade &amp;kort</translation>
    </message>
    <message>
        <source>To &amp;relay:</source>
        <translation>Till skj&amp;utlag:</translation>
    </message>
    <message>
        <source>p&amp;oint:</source>
        <translation>pl&amp;ats:</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Flytta</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>B&amp;yt</translation>
    </message>
    <message>
        <source>Swaps the two selected places: two competitors, or a competitor and an empty point (Ctrl+W)</source>
        <translation>Byter de två valda platserna: två tävlande, eller en tävlande och en tom plats (Ctrl+W)</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>L&amp;ås</translation>
    </message>
    <message>
        <source>A locked place stays where it is when the relays are drawn again (Ctrl+L)</source>
        <translation>En låst plats står kvar när skjutlagen lottas på nytt (Ctrl+L)</translation>
    </message>
    <message>
        <source>&amp;Draw...</source>
        <translation>Lo&amp;tta...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ån&amp;gra</translation>
    </message>
    <message>
        <source>Takes back the last change (Ctrl+Z)</source>
        <translation>Tar tillbaka den senaste ändringen (Ctrl+Z)</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Gör o&amp;m</translation>
    </message>
    <message>
        <source>Makes the last change taken back again (Ctrl+Shift+Z)</source>
        <translation>Gör om den senast tillbakatagna ändringen (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Each relay shoots its disciplines (codes separated by blanks) from its start for its minutes, from its firing points. Relays of different disciplines may run at the same time on different ranges.</source>
        <translation>Varje skjutlag skjuter sina grenar (koder åtskilda med blanksteg) från sin start i sina minuter, från sina skjutplatser. Skjutlag i olika grenar kan skjuta samtidigt på olika banor.</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Skjutlag</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Grenar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuter</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Platser</translation>
    </message>
    <message>
        <source>&amp;Add relay</source>
        <translation>&amp;Lägg till skjutlag</translation>
    </message>
    <message>
        <source>Re&amp;move relay</source>
        <translation>Ta &amp;bort skjutlag</translation>
    </message>
    <message>
        <source>Read &amp;from file...</source>
        <translation>Läs från &amp;fil...</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Slutade</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
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
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>%1 places in %2 relays.</source>
        <translation>%1 platser i %2 skjutlag.</translation>
    </message>
    <message>
        <source>No place breaks a hard rule.</source>
        <translation>Ingen plats bryter mot en absolut regel.</translation>
    </message>
    <message>
        <source>Places that break a hard rule: %1, in red with the reason. They stay until the official moves them.</source>
        <translation>Platser som bryter mot en absolut regel: %1, i rött med orsaken. De står kvar tills funktionären flyttar dem.</translation>
    </message>
    <message>
        <source>At %1, cards not returned from the relays that have ended: %2.</source>
        <translation>Kl. %1 ej inlämnade kort från skjutlag som har slutat: %2.</translation>
    </message>
    <message>
        <source>The relay was not changed: %1.</source>
        <translation>Skjutlaget ändrades inte: %1.</translation>
    </message>
    <message>
        <source>Read relay plan</source>
        <translation>Läs skjutlagsplan</translation>
    </message>
    <message>
        <source>Relay plans (*.csv);;All files (*)</source>
        <translation>Skjutlagsplaner (*.csv);;Alla filer (*)</translation>
    </message>
    <message>
        <source>The plan was not read; nothing changed.
%1</source>
        <translation>Planen lästes inte; inget ändrades.
%1</translation>
    </message>
    <message>
        <source>The plan has no relays yet: add them on the Plan page.</source>
        <translation>Planen har inga skjutlag ännu: lägg till dem på sidan Planering.</translation>
    </message>
    <message>
        <source>Drawn with seed %1.</source>
        <translation>Lottat med fröet %1.</translation>
    </message>
    <message>
        <source>Unloc&amp;k</source>
        <translation>L&amp;ås upp</translation>
    </message>
    <message>
        <source>Choose a competitor&apos;s line to move.</source>
        <translation>Välj raden för den tävlande som ska flyttas.</translation>
    </message>
    <message>
        <source>%1 %2 moved to relay %3, point %4.</source>
        <translation>%1 %2 flyttad till skjutlag %3, plats %4.</translation>
    </message>
    <message>
        <source>Select two competitors, or a competitor and an empty point, to swap.</source>
        <translation>Välj två tävlande, eller en tävlande och en tom plats, att byta.</translation>
    </message>
    <message>
        <source>Places swapped.</source>
        <translation>Platserna bytta.</translation>
    </message>
    <message>
        <source>Select the placed competitors to lock or unlock.</source>
        <translation>Välj de placerade tävlande som ska låsas eller låsas upp.</translation>
    </message>
    <message>
        <source>Locked: a draw leaves these places as they are.</source>
        <translation>Låst: en lottning lämnar dessa platser som de är.</translation>
    </message>
    <message>
        <source>Unlocked.</source>
        <translation>Upplåst.</translation>
    </message>
</context>
<context>
    <name>marvola::ReportOutput</name>
    <message>
        <source>Esikatselu</source>
        <translation>Förhandsgranskning</translation>
    </message>
</context>
<context>
    <name>marvola::ReportOutputDialog</name>
    <message>
        <source>Tulostusvalinnat</source>
        <translation>Utskriftsalternativ</translation>
    </message>
    <message>
        <source>Report Destination</source>
        <translation>Utskriftens mål</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skrivare</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsgranskning</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bläddra...</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
</context>
<context>
    <name>marvola::ReportStatusWindow</name>
    <message>
        <source>Report Status</source>
        <translation>Utskriftens status</translation>
    </message>
    <message>
        <source>Generating page %p</source>
        <translation>Skapar sida %p</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Skriver ut sida %p</translation>
    </message>
</context>
<context>
    <name>marvola::ResultEntryDialog</name>
    <message>
        <source>Add/Edit Results</source>
        <translation>Lägg till/redigera resultat</translation>
    </message>
    <message>
        <source>Competitor</source>
        <translation>Skytt</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
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
        <translation>Rensa särskjutning</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Talet är för stort</translation>
    </message>
    <message>
        <source>%1 is not a score card&apos;s code: it reads NUMBER/DISCIPLINE, as 123/BBPR.</source>
        <translation>%1 är ingen kod från ett skjutkort: den lyder NUMMER/GREN, som 123/BBPR.</translation>
    </message>
    <message>
        <source>No competitor has the number %1 (score card %2).</source>
        <translation>Ingen skytt har nummer %1 (skjutkort %2).</translation>
    </message>
    <message>
        <source>%1 is no discipline (score card %2).</source>
        <translation>%1 är ingen gren (skjutkort %2).</translation>
    </message>
    <message>
        <source>Competitor %1 does not shoot %2 (score card %3).</source>
        <translation>Skytt %1 skjuter inte %2 (skjutkort %3).</translation>
    </message>
</context>
<context>
    <name>marvola::ScoreCardsDialog</name>
    <message>
        <source>Score cards</source>
        <translation>Skjutkort</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Förhandsgranska</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Skriv ut...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alla</translation>
    </message>
    <message>
        <source>By &amp;relay:</source>
        <translation>Per skjut&amp;lag:</translation>
    </message>
    <message>
        <source>Relay %1, %2, %3</source>
        <translation>Skjutlag %1, %2, %3</translation>
    </message>
    <message>
        <source>By c&amp;lub:</source>
        <translation>Per &amp;klubb:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papper</translation>
    </message>
    <message>
        <source>A&amp;4, four cards to a sheet with cut lines</source>
        <translation>A&amp;4, fyra kort per ark med skärlinjer</translation>
    </message>
    <message>
        <source>A&amp;6, one card to a sheet</source>
        <translation>A&amp;6, ett kort per ark</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n kort</numerusform>
            <numerusform>%n kort</numerusform>
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
        <translation>&amp;Alla tävlande</translation>
    </message>
    <message>
        <source>C&amp;lub:</source>
        <translation>K&amp;lubb:</translation>
    </message>
    <message>
        <source>C&amp;hosen competitors:</source>
        <translation>&amp;Valda tävlande:</translation>
    </message>
</context>
<context>
    <name>marvola::SheetsDialog</name>
    <message>
        <source>Result sheets</source>
        <translation>Resultatblad</translation>
    </message>
    <message>
        <source>Adobe Acrobat (PDF)</source>
        <translation>Adobe Acrobat (PDF)</translation>
    </message>
    <message>
        <source>A page per competitor, in the competitor&apos;s language where the shooter register has one.</source>
        <translation>En sida per tävlande, på den tävlandes språk där skytteregistret har ett.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skri&amp;v ut...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>No competitor is chosen.</source>
        <translation>Ingen tävlande är vald.</translation>
    </message>
</context>
<context>
    <name>marvola::ShootOffsWindow</name>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klass</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Placeringar</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Tävlande</translation>
    </message>
    <message>
        <source>Shoot-offs needed</source>
        <translation>Särskjutningar som behövs</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>No tie at a prize place waits for a shoot-off.</source>
        <translation>Inga lika resultat på prisplatser väntar på särskjutning.</translation>
    </message>
    <message>
        <source>Ties at prize places waiting for a shoot-off: %1. Press Enter or double-click a competitor to enter the shoot-off.</source>
        <translation>Lika resultat på prisplatser som väntar på särskjutning: %1. Tryck Enter eller dubbelklicka på en tävlande för att mata in särskjutningen.</translation>
    </message>
</context>
<context>
    <name>marvola::StationDesk</name>
    <message>
        <source>The match has no entry log: save the match first.</source>
        <translation>Tävlingen har ingen inmatningslogg: spara tävlingen först.</translation>
    </message>
    <message>
        <source>The entry log cannot be written.</source>
        <translation>Inmatningsloggen kan inte skrivas.</translation>
    </message>
    <message>
        <source>This station is not known or has been revoked.</source>
        <translation>Stationen är okänd eller har spärrats.</translation>
    </message>
    <message>
        <source>There is no competitor %1.</source>
        <translation>Det finns ingen tävlande %1.</translation>
    </message>
    <message>
        <source>Competitor %1 is not entered in %2.</source>
        <translation>Tävlande %1 är inte anmäld i %2.</translation>
    </message>
    <message>
        <source>%1 is not shot in this match.</source>
        <translation>%1 skjuts inte i den här tävlingen.</translation>
    </message>
    <message>
        <source>A hit count must be 0 to %1 in %2.</source>
        <translation>Antalet träffar måste vara 0 till %1 i %2.</translation>
    </message>
    <message>
        <source>The total must be 0 to %1 in %2.</source>
        <translation>Totalen måste vara 0 till %1 i %2.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>Det finns ingen post %1.</translation>
    </message>
    <message>
        <source>Entry %1 is not waiting for the office.</source>
        <translation>Posten %1 väntar inte på kansliets beslut.</translation>
    </message>
    <message>
        <source>The office cannot store entries: the match&apos;s entry log cannot be written.</source>
        <translation>Kansliet kan inte lagra resultat: tävlingens inmatningslogg kan inte skrivas.</translation>
    </message>
</context>
<context>
    <name>marvola::StationGate</name>
    <message>
        <source>A station request needs X-Station, X-Counter and X-Signature.</source>
        <translation>En stationsförfrågan behöver X-Station, X-Counter och X-Signature.</translation>
    </message>
    <message>
        <source>This station is not known or has been revoked.</source>
        <translation>Stationen är okänd eller har spärrats.</translation>
    </message>
    <message>
        <source>The signature is wrong.</source>
        <translation>Signaturen är fel.</translation>
    </message>
    <message>
        <source>Too many requests from this station; send again soon.</source>
        <translation>För många förfrågningar från stationen; skicka igen om en stund.</translation>
    </message>
    <message>
        <source>Name a discipline: ?discipline=BBPR.</source>
        <translation>Ange en gren: ?discipline=BBPR.</translation>
    </message>
    <message>
        <source>The counter must be a whole number of 1 to 18 digits.</source>
        <translation>Räknaren måste vara ett heltal med 1–18 siffror.</translation>
    </message>
    <message>
        <source>The counter has more digits than the office takes (18): pair the phone again.</source>
        <translation>Räknaren har fler siffror än kansliet tar emot (18): para ihop telefonen igen.</translation>
    </message>
</context>
<context>
    <name>marvola::StationsPanel</name>
    <message>
        <source>Scoring stations</source>
        <translation>Resultatstationer</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Namn:</translation>
    </message>
    <message>
        <source>Pistol bank 1</source>
        <translation>Pistolbank 1</translation>
    </message>
    <message>
        <source>Disciplines:</source>
        <translation>Grenar:</translation>
    </message>
    <message>
        <source>BBPR,BBPC (empty: all)</source>
        <translation>BBPR,BBPC (tomt: alla)</translation>
    </message>
    <message>
        <source>Add station</source>
        <translation>Lägg till station</translation>
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
        <translation>Grenar</translation>
    </message>
    <message>
        <source>Last contact</source>
        <translation>Senaste kontakt</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Poster</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Spärra</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>Competitor</source>
        <translation>Tävlande</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Station&apos;s result</source>
        <translation>Stationens resultat</translation>
    </message>
    <message>
        <source>Office&apos;s result</source>
        <translation>Sekretariatets resultat</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Keep the office&apos;s result</source>
        <translation>Behåll sekretariatets resultat</translation>
    </message>
    <message>
        <source>Take the station&apos;s result</source>
        <translation>Ta stationens resultat</translation>
    </message>
    <message>
        <source>Revoke the station %1? Its phone can send nothing more.</source>
        <translation>Spärra stationen %1? Dess telefon kan inte skicka något mer.</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alla</translation>
    </message>
    <message>
        <source>never</source>
        <translation>aldrig</translation>
    </message>
    <message>
        <source>revoked</source>
        <translation>spärrad</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>Add a station, or choose one, to see its link.</source>
        <translation>Lägg till en station eller välj en för att se dess länk.</translation>
    </message>
    <message>
        <source>%1 is revoked.</source>
        <translation>%1 är spärrad.</translation>
    </message>
    <message>
        <source>Start the live results to see the link of %1.</source>
        <translation>Starta liveresultaten för att se länken till %1.</translation>
    </message>
    <message>
        <source>%1: scan the code with the station&apos;s phone, or open this link on it:</source>
        <translation>%1: skanna koden med stationens telefon eller öppna den här länken i den:</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>sparad</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>konflikt</translation>
    </message>
    <message>
        <source>office&apos;s result kept</source>
        <translation>kansliets resultat behållet</translation>
    </message>
    <message>
        <source>station&apos;s result taken</source>
        <translation>stationens resultat taget</translation>
    </message>
    <message>
        <source>awaiting a second entry</source>
        <translation>väntar på en andra post</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>stämmer</translation>
    </message>
    <message>
        <source>disagreement</source>
        <translation>oenighet</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>dubblett</translation>
    </message>
    <message>
        <source>Two matching entries</source>
        <translation>Två överensstämmande poster</translation>
    </message>
    <message>
        <source>A station&apos;s entry counts only when a second station or the office enters the same values; disagreements are flagged.</source>
        <translation>En stations post räknas först när en andra station eller kansliet matar in samma värden; avvikelser flaggas.</translation>
    </message>
</context>
<context>
    <name>marvola::TeamsDialog</name>
    <message>
        <source>Discipline</source>
        <translation>Gren</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>Competitor 1</source>
        <translation>Skytt 1</translation>
    </message>
    <message>
        <source>Competitor 2</source>
        <translation>Skytt 2</translation>
    </message>
    <message>
        <source>Competitor 3</source>
        <translation>Skytt 3</translation>
    </message>
    <message>
        <source>At most 10 characters, the group word included when it fits after the name</source>
        <translation>Högst 10 tecken, gruppens namn inräknat när det får plats efter namnet</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Lagets namn</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1 is also in team %2 of the same group.</source>
        <translation>%1 är även med i lag %2 i samma grupp.</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Lag</translation>
    </message>
    <message>
        <source>New Team</source>
        <translation>Nytt lag</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Redigera lag</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Team Discipline</source>
        <translation>Lagets gren</translation>
    </message>
    <message>
        <source>Standing</source>
        <translation>Stående</translation>
    </message>
</context>
<context>
    <name>marvola::Toolkit</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Högst %1 tecken</translation>
    </message>
</context>
</TS>
