<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Live results could not start on port %1: %2</source>
        <translation>Live-tulokset eivät käynnistyneet porttiin %1: %2</translation>
    </message>
</context>
<context>
    <name>Barcode</name>
    <message>
        <source>The barcode could not be made.</source>
        <translation>Viivakoodia ei voitu tehdä.</translation>
    </message>
    <message>
        <source>The barcode of %1 could not be made: %2</source>
        <translation>Viivakoodia %1 ei voitu tehdä: %2</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown group &quot;%1&quot; for --upload: give FP, BBP, SBP, SBR and BBR separated by commas, or all.</source>
        <translation>Tuntematon ryhmä &quot;%1&quot; valinnalle --upload: anna FP, BBP, SBP, SBR ja BBR pilkuin eroteltuina, tai all.</translation>
    </message>
    <message>
        <source>No password for the upload: set MARVOLA_DB_PASSWORD, or run on a terminal to type it.</source>
        <translation>Siirrolle ei ole salasanaa: aseta MARVOLA_DB_PASSWORD tai aja päätteessä ja kirjoita se.</translation>
    </message>
    <message>
        <source>Connecting to %1 as %2.</source>
        <translation>Yhdistetään palvelimeen %1 käyttäjänä %2.</translation>
    </message>
    <message>
        <source>Siirto valmis!</source>
        <translation>Siirto valmis!</translation>
    </message>
    <message numerus="yes">
        <source>%n rows sent, replacing those sent earlier.</source>
        <translation>
            <numerusform>%n rivi lähetetty aiemmin lähetettyjen tilalle.</numerusform>
            <numerusform>%n riviä lähetetty aiemmin lähetettyjen tilalle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows sent.</source>
        <translation>
            <numerusform>%n rivi lähetetty.</numerusform>
            <numerusform>%n riviä lähetetty.</numerusform>
        </translation>
    </message>
    <message>
        <source>No changes to restore: the match has no entry log.</source>
        <translation>Ei palautettavia muutoksia: kilpailulla ei ole kirjauslokia.</translation>
    </message>
    <message>
        <source>No changes to restore: the saved set holds every change.</source>
        <translation>Ei palautettavia muutoksia: tallennetuissa tiedostoissa on jokainen muutos.</translation>
    </message>
    <message>
        <source>The name %1 is not valid in this system&apos;s character encoding; rename the file or use a UTF-8 name.</source>
        <translation>Nimi %1 ei kelpaa tämän järjestelmän merkistössä; nimeä tiedosto uudelleen tai käytä UTF-8-nimeä.</translation>
    </message>
    <message>
        <source>%1 needs %2.</source>
        <translation>%1 tarvitsee: %2.</translation>
    </message>
    <message>
        <source>a file name</source>
        <translation>tiedoston nimi</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>arvo</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Tuntematon valinta %1.</translation>
    </message>
    <message>
        <source>Only one match file can be given.</source>
        <translation>Vain yhden kilpailutiedoston voi antaa.</translation>
    </message>
    <message>
        <source>Batch mode needs the match file to read.</source>
        <translation>Eräajo tarvitsee luettavan kilpailutiedoston.</translation>
    </message>
    <message>
        <source>--db, --db-user, --db-ca and --replace go with --upload.</source>
        <translation>--db, --db-user, --db-ca ja --replace käyvät vain valinnan --upload kanssa.</translation>
    </message>
    <message>
        <source>--upload needs --db HOST[:PORT] and --db-user USER.</source>
        <translation>--upload tarvitsee valinnat --db OSOITE[:PORTTI] ja --db-user KÄYTTÄJÄ.</translation>
    </message>
    <message>
        <source>%1 needs [HOST:]PORT.</source>
        <translation>%1 tarvitsee arvon [HOST:]PORT.</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in a window (%2): close it there, or save under another name.</source>
        <translation>Kilpailu %1 on avattu muokattavaksi ikkunassa (%2): sulje se siellä tai tallenna toisella nimellä.</translation>
    </message>
    <message>
        <source>The match %1 was changed on disk while this run read it: nothing is written.</source>
        <translation>Kilpailua %1 muutettiin levyllä sillä välin, kun tämä ajo luki sitä: mitään ei kirjoiteta.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes restored from the entry log, the last made at %1.</source>
        <translation>
            <numerusform>%n muutos palautettiin kirjauslokista, tehty %1.</numerusform>
            <numerusform>%n muutosta palautettiin kirjauslokista, viimeisin tehty %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changes restored from the entry log.</source>
        <translation>
            <numerusform>%n muutos palautettiin kirjauslokista.</numerusform>
            <numerusform>%n muutosta palautettiin kirjauslokista.</numerusform>
        </translation>
    </message>
    <message>
        <source>The match %1 is open in a window on another computer (%2): its entry log is read and written on that computer only. Run this there.</source>
        <translation>Kilpailu %1 on avattu ikkunassa toisella tietokoneella (%2): sen kirjauslokia luetaan ja kirjoitetaan vain sillä koneella. Aja tämä siellä.</translation>
    </message>
    <message>
        <source>1 change restored from the entry log, made at %1.</source>
        <translation>1 muutos palautettiin kirjauslokista, tehty %1.</translation>
    </message>
    <message>
        <source>1 change restored from the entry log.</source>
        <translation>1 muutos palautettiin kirjauslokista.</translation>
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
Kilpailijat luettelosta kilpailuun MATCH.mrv:
  --import FILE      lisää ja päivittää CSV- tai XLSX-tiedoston kilpailijat;
                     tulostaa RIVI&lt;SARKAIN&gt;SYY jokaisesta tuomatta jääneestä
                     rivistä ja lopuksi määrät virhetulosteeseen; ilman
                     valitsinta --save mitään ei kirjoiteta (kuivaharjoitus);
                     paluuarvo 3, kun rivejä hylättiin
    --sheet NAME       luettava työkirjan taulukko (oletus ensimmäinen)
</translation>
    </message>
    <message>
        <source>--sheet goes with --import.</source>
        <translation>--sheet kuuluu valitsimen --import kanssa.</translation>
    </message>
    <message>
        <source>%1 has no column of names (name, nimi, namn or last name): nothing is imported.</source>
        <translation>Tiedostossa %1 ei ole nimien saraketta (name, nimi, namn tai sukunimi): mitään ei tuoda.</translation>
    </message>
    <message>
        <source>Columns not imported: %1.</source>
        <translation>Sarakkeet, joita ei tuoda: %1.</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 refused</source>
        <translation>%1 lisätty, %2 päivitetty, %3 hylätty</translation>
    </message>
    <message>
        <source>--relay-plan, --draw, --seed and --start-list do not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--relay-plan, --draw, --seed ja --start-list eivät käy yhdessä valintojen --serve, --live, --add-station tai --revoke-station kanssa.</translation>
    </message>
    <message>
        <source>--seed goes with --draw.</source>
        <translation>--seed käytetään valinnan --draw kanssa.</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 18446744073709551615, not &quot;%1&quot;.</source>
        <translation>--seed tarvitsee kokonaisluvun väliltä 0–18446744073709551615, ei &quot;%1&quot;.</translation>
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
        <translation>Käyttö: marvola [KILPAILU.mrv] [valinnat]

Ilman valintoja ohjelma avaa ikkunansa ja lataa KILPAILU.mrv:n, jos se on annettu.
Eräajo (ei ikkunaa, ei näyttöä) lataa KILPAILU.mrv:n ja kirjoittaa:
  --save ULOS.mrv    kilpailun tiedostot nimellä ULOS.mrv
  --csv ULOS.csv     yhdeksän CSV-tiedostoa nimellä ULOS.csv
  --pdf ULOS.pdf     tulosluettelot PDF-tiedostona
  --html ULOS.html   tulosluettelot HTML-tiedostona
  --lists LUETTELOT  tulostettavat luettelot: valintaruutujen nimet pilkuin eroteltuina,
                     esimerkiksi &quot;BBPR,BBP Aggr,Standing Team&quot;, tai all (oletus)
  --serve [OSOITE:]PORTTI  jakaa live-tulokset verkkoon Ctrl+C:hen asti ja lataa
                     kilpailun uudelleen, kun sen tiedostot muuttuvat; OSOITE on oletuksena
                     kaikki liitännät (esimerkiksi --serve 8080 tai --serve 127.0.0.1:8080)
  --check            luettelee virheelliseltä näyttävät tulokset rivi kerrallaan (numero,
                     nimi, laji, rikotut säännöt sarkaimin eroteltuina); paluuarvo 3, jos
                     niitä on, 0, jos ei ole
  --shoot-offs       luettelee palkintosijoilla (lajin ja kunkin luokan kolme parasta)
                     olevat tasatulokset, joita tulokset eivät ratkaise, rivi
                     kerrallaan: laji, luokka (tyhjä lajin kokonaissijoille), sijat ja
                     kunkin kilpailijan numero ja nimi sarkaimin eroteltuina; paluuarvo
                     3, jos niitä on, 0, jos ei ole
  --recover          ottaa ensin käyttöön kirjauslokin muutokset, joita tallennetuissa
                     tiedostoissa ei ole (kuten ikkuna avattaessa tarjoaa), ja kertoo niiden
                     määrän; --save-valinnan kanssa loki kirjaa tallennuksen
  --log ULOS.csv     kirjausloki CSV-tiedostona (UTF-8): aika, lähde, laji, numero,
                     laji, kenttä, vanha, uusi
  --add-station NAME ampumapaikan puhelimille tulosasema; tulostaa sen tunnuksen
                     ja salaisuuden yhdelle riville: ID SECRET (aseman linkki on
                     http://ADDRESS:PORT/station#ID.SECRET)
    --disciplines CODES  lajit, joita se saa syöttää (BBPR,BBPC,...; oletus kaikki)
  --revoke-station ID  aseman pyynnöt torjutaan tästä lähtien
  --live [HOST:]PORT avaa ikkunan ja jakaa live-tulokset ja tulosasemat verkkoon
                     (ei eräajovalinta)
  --old-layout       lukee vanhan version kilpailutiedoston (&quot;Load old version files&quot;)
  --upload RYHMÄT    lähettää ryhmien (FP,BBP,SBP,SBR,BBR pilkuin eroteltuina, tai all)
                     tulokset tulostietokantaan kuten tietokantaikkuna; eteneminen
                     stderriin, paluuarvo 0 vain, kun kaikki lähti
    --db OSOITE[:PORTTI]  tietokantapalvelin (pakollinen)
    --db-user KÄYTTÄJÄ    käyttäjätunnus (pakollinen); salasana luetaan
                       ympäristömuuttujasta MARVOLA_DB_PASSWORD tai, jos sitä ei ole,
                       kysytään päätteessä; sitä ei koskaan anneta komentorivillä
    --db-ca TIEDOSTO   varmentaja, joka allekirjoitti palvelimen varmenteen
                       (oletus: palvelimelle muistettu, muuten järjestelmän omat)
    --replace          korvaa tälle kilpailulle ja sen lajeille aiemmin lähetetyt rivit
                       yhdessä tapahtumassa: virheen sattuessa mitään ei muuteta
  --version          ohjelman versio
  --help             tämä ohje
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
Ampujarekisteri ja kilpailijaluettelo:
  --to-register      lisää kilpailun ampujat ja tulokset ampujarekisteriin
                     (uudelleen lisätyn kilpailun tulokset korvaavat entiset)
    --register FILE    rekisterin tiedosto (oletus: ikkunassa valittu, muuten
                       shooters.sqlite käyttäjän datakansiossa)
  --export-competitors OUT.csv|OUT.xlsx
                     kirjoittaa kilpailijaluettelon, rivi kutakin kilpailijaa ja
                     lajia kohden, otsikoin jotka tuonti lukee
</translation>
    </message>
    <message>
        <source>--serve runs on its own, without --save, --csv, --pdf, --html, --check, --shoot-offs, --upload, --recover or --log.</source>
        <translation>--serve toimii yksinään, ilman valintoja --save, --csv, --pdf, --html, --check, --shoot-offs, --upload, --recover tai --log.</translation>
    </message>
    <message>
        <source>--export-competitors writes a .csv or an .xlsx file, not %1.</source>
        <translation>--export-competitors kirjoittaa .csv- tai .xlsx-tiedoston, ei tiedostoa %1.</translation>
    </message>
    <message>
        <source>Draw seed: %1</source>
        <translation>Arvonnan siemen: %1</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in a window (%2): its changes are kept by that window; close it there before recovering.</source>
        <translation>Kilpailu %1 on avoinna kirjoitettavaksi ikkunassa (%2): sen muutokset ovat tuon ikkunan hallussa; sulje se siellä ennen palauttamista.</translation>
    </message>
    <message>
        <source>The relay plan has no relay %1.</source>
        <translation>Eräsuunnitelmassa ei ole erää %1.</translation>
    </message>
    <message>
        <source>--relay goes with --cards.</source>
        <translation>--relay kuuluu valinnan --cards pariksi.</translation>
    </message>
    <message>
        <source>--cards does not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--cards ei käy yhdessä valintojen --serve, --live, --add-station tai --revoke-station kanssa.</translation>
    </message>
    <message>
        <source>--relay needs a relay number from 1 to %1, not &quot;%2&quot;.</source>
        <translation>--relay tarvitsee erän numeron väliltä 1–%1, ei &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--window goes with --post.</source>
        <translation>--window kuuluu valinnan --post kanssa.</translation>
    </message>
    <message>
        <source>--window needs the challenge window in minutes, 0 to %1, not &quot;%2&quot;.</source>
        <translation>--window tarvitsee vastalauseajan minuutteina, 0–%1, ei &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>--reason goes with --reopen.</source>
        <translation>--reason kuuluu valinnan --reopen kanssa.</translation>
    </message>
    <message>
        <source>--reopen needs the reason: --reason TEXT.</source>
        <translation>--reopen tarvitsee syyn: --reason TEKSTI.</translation>
    </message>
    <message>
        <source>--post, --declare-official and --reopen do not go with --serve, --live, --add-station or --revoke-station.</source>
        <translation>--post, --declare-official ja --reopen eivät käy yhteen valintojen --serve, --live, --add-station tai --revoke-station kanssa.</translation>
    </message>
    <message>
        <source>%1 is declared official before its challenge window ends at %2.</source>
        <translation>%1 vahvistetaan viralliseksi ennen kuin sen vastalauseaika päättyy klo %2.</translation>
    </message>
    <message>
        <source>%1 is declared official without having been posted.</source>
        <translation>%1 vahvistetaan viralliseksi julkaisematta sitä ensin alustavana.</translation>
    </message>
    <message>
        <source>--xlsx does not go with --serve, --add-station or --revoke-station.</source>
        <translation>--xlsx ei käy yhdessä valintojen --serve, --add-station tai --revoke-station kanssa.</translation>
    </message>
    <message>
        <source>--xlsx writes an .xlsx file, not %1.</source>
        <translation>--xlsx kirjoittaa .xlsx-tiedoston, ei tiedostoa %1.</translation>
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
Tulostyökirja (samassa ajossa muiden tulosteiden, kuten --csv ja --pdf, kanssa):
  --xlsx OUT.xlsx    tulokset työkirjana: taulukko kustakin tulostettavasta
                     luettelosta sen otsikon nimellä, välilehden rivein ja
                     sarakkein, luvut lukuina; sekä kilpailijoiden taulukko
                     jäsennumeroineen ja lajeineen
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
Erät (samassa ajossa keskenään ja yllä olevien valintojen kanssa; --save tallentaa
suunnitelman ja paikat kilpailun mukana):
  --relay-plan TIEDOSTO  eräsuunnitelma CSV-muodossa: otsikko
                     disciplines;relay;start;minutes;points, sitten yksi erä riviä kohden,
                     erottimena ; tai , (esimerkiksi BBPR BBPC;1;08:00;45;20, lajit
                     välilyönnein erotettuina); virheellinen rivi tulostetaan muodossa
                     RIVI&lt;TAB&gt;SYY, paluuarvo 1, mitään ei kirjoiteta
  --draw             arpoo jokaisen kilpailijan jokaisen lajin suunnitelman eriin ja
                     paikoille; jokainen merkintä, jota ei voi sijoittaa, tulostetaan
                     muodossa NUMERO&lt;TAB&gt;LAJI&lt;TAB&gt;SYY, paluuarvo 3
    --seed N         arvonnan siemen: sama siemen ja sama kilpailu antavat saman arvonnan
                     (ilman sitä uusi siemen, joka tulostetaan virhetulosteeseen)
  --start-list TULOS.csv  lähtölista (UTF-8): relay;start;point;number;name;club;
                     discipline, yksi rivi paikkaa kohden, erän ja paikan mukaan
</translation>
    </message>
    <message>
        <source>  --cards OUT.pdf    the score cards, four to an A4 page: one per entered discipline
                     of each competitor, by relay and point, those without a place
                     last; each with the barcode NUMBER/CODE
    --relay N        only the cards of relay N
</source>
        <translation>  --cards TULOS.pdf  tuloskortit, neljä A4-sivulle: yksi kunkin kilpailijan
                     jokaista ilmoitettua lajia kohden, erän ja paikan mukaan, paikattomat
                     viimeisinä; kussakin viivakoodi NUMERO/LAJI
    --relay N        vain erän N kortit
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
Listojen tila (tallentuu MATCH.mrv:hen heti, ilman --save-valintaa; LISTAT ovat
tulosteiden nimet pilkuin eroteltuina, tai all):
  --post LISTAT      julkaisee listat alustavina tuloksina; vastalauseaika alkaa
                     (kilpailun oma, 60 minuuttia ellei toisin aseteta); ratkaisematon
                     tasapeli palkintosijalla mainitaan stderriin
    --window MIN       tämän julkaisun vastalauseaika minuutteina
  --declare-official LISTAT  vahvistaa listat virallisiksi; ennen vastalauseajan
                     päättymistä ajo jatkaa ja kertoo sen stderriin
  --reopen LISTAT    avaa viralliset listat uudelleen, --reason TEKSTI
Muutos, joka muuttaisi virallista listaa (tuonti, palautus), torjutaan
paluuarvolla 1 eikä mitään kirjoiteta.
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
Tulosarkit (sivu kilpailijaa kohden, kilpailijan kielellä, jos ampujarekisterissä
on sellainen, muuten ohjelman kielellä):
  --sheets OUT.pdf   yksi PDF, sivu kilpailijaa kohden numerojärjestyksessä
  --sheets DIR/      PDF kilpailijaa kohden kansioon, nimellä NUMERO-NIMI.pdf
  --mail-sheets      jokainen kilpailija, jolla on sähköpostiosoite (kilpailun, muuten
                     rekisterin), saa tulosarkkinsa PDF:nä; rivi kilpailijaa kohden
                     stderriin; jokainen viesti kirjataan kirjauslokiin, ja kilpailija,
                     jonka kortin palvelin on jo ottanut vastaan, ohitetaan; paluuarvo 0
                     vain, kun jokainen viesti hyväksyttiin
    --smtp HOST[:PORT] sähköpostipalvelin (pakollinen; portti 587 ja STARTTLS tai 465 ja
                       TLS); palvelin ilman kumpaakaan torjutaan, ellei se ole tämä
                       tietokone tai annettu --smtp-allow-unencrypted
    --from ADDRESS     lähettäjän osoite (pakollinen)
    --smtp-user USER   kirjaudu käyttäjänä USER; salasana luetaan ympäristömuuttujasta
                       MARVOLA_SMTP_PASSWORD tai, jos sitä ei ole, kysytään päätteessä;
                       ei koskaan komentoriviltä
    --smtp-allow-unencrypted  hyväksy palvelin, joka ei tarjoa salausta
    --resend           lähetä myös niille, joilla kortti jo on
  --only NUMBERS     vain nämä kilpailijat (12,15,20-25) valinnoille --sheets ja
                     --mail-sheets
  --register FILE    ampujarekisteri, josta kielet ja osoitteet tulevat (oletus:
                     ikkunassa valittu, jos se on olemassa)
</translation>
    </message>
    <message>
        <source>--register goes with --to-register, --sheets or --mail-sheets.</source>
        <translation>--register käytetään valinnan --to-register, --sheets tai --mail-sheets kanssa.</translation>
    </message>
    <message>
        <source>--smtp, --smtp-user, --from, --resend and --smtp-allow-unencrypted go with --mail-sheets.</source>
        <translation>--smtp, --smtp-user, --from, --resend ja --smtp-allow-unencrypted käytetään valinnan --mail-sheets kanssa.</translation>
    </message>
    <message>
        <source>--mail-sheets needs --smtp HOST[:PORT] and --from ADDRESS.</source>
        <translation>--mail-sheets tarvitsee valinnat --smtp PALVELIN[:PORTTI] ja --from OSOITE.</translation>
    </message>
    <message>
        <source>--only goes with --sheets or --mail-sheets.</source>
        <translation>--only käytetään valinnan --sheets tai --mail-sheets kanssa.</translation>
    </message>
    <message>
        <source>--only takes competitor numbers such as 12,15,20-25, not &quot;%1&quot;.</source>
        <translation>--only ottaa kilpailijanumeroita, kuten 12,15,20-25, ei &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--only names no competitor.</source>
        <translation>--only ei nimeä yhtään kilpailijaa.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Kansiota %1 ei voi luoda.</translation>
    </message>
    <message>
        <source>--from needs an e-mail address, not &quot;%1&quot;.</source>
        <translation>--from tarvitsee sähköpostiosoitteen, ei &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No password for the mail server: set MARVOLA_SMTP_PASSWORD, or run on a terminal to type it.</source>
        <translation>Sähköpostipalvelimen salasanaa ei ole: aseta MARVOLA_SMTP_PASSWORD tai aja päätteessä ja kirjoita se.</translation>
    </message>
    <message>
        <source>--draw needs a relay plan: --relay-plan FILE, or a match that keeps one.</source>
        <translation>--draw tarvitsee eräsuunnitelman: --relay-plan TIEDOSTO, tai kilpailun, johon sellainen on tallennettu.</translation>
    </message>
    <message>
        <source>No competitor has a result sheet to make.</source>
        <translation>Yhdellekään kilpailijalle ei ole tehtävää tulosarkkia.</translation>
    </message>
    <message>
        <source>The entry log of %1 holds entries made after the last save: restore them first (add --recover, or open the match in the window). Nothing was written.</source>
        <translation>Kilpailun %1 kirjausloki sisältää viimeisen tallennuksen jälkeen tehtyjä kirjauksia: palauta ne ensin (lisää --recover tai avaa kilpailu ikkunassa). Mitään ei kirjoitettu.</translation>
    </message>
</context>
<context>
    <name>CompetitorExport</name>
    <message>
        <source>The workbook cannot be made: %1</source>
        <translation>Työkirjaa ei voi tehdä: %1</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>Eipä ole paljoa tallennettavaa.</source>
        <translation>Eipä ole paljoa tallennettavaa.</translation>
    </message>
</context>
<context>
    <name>Disciplines</name>
    <message>
        <source>Big Bore Pistol Revolver</source>
        <translation>Isokaliiperinen pistooli, revolveri</translation>
    </message>
    <message>
        <source>Big Bore Pistol Conventional</source>
        <translation>Isokaliiperinen pistooli, perinteinen</translation>
    </message>
    <message>
        <source>Big Bore Pistol Production</source>
        <translation>Isokaliiperinen pistooli, vakio</translation>
    </message>
    <message>
        <source>Big Bore Pistol Standing</source>
        <translation>Isokaliiperinen pistooli, pystyasento</translation>
    </message>
    <message>
        <source>Big Bore Pistol Unlimited</source>
        <translation>Isokaliiperinen pistooli, vapaa</translation>
    </message>
    <message>
        <source>Small Bore Pistol Revolver</source>
        <translation>Pienoispistooli, revolveri</translation>
    </message>
    <message>
        <source>Small Bore Pistol Conventional</source>
        <translation>Pienoispistooli, perinteinen</translation>
    </message>
    <message>
        <source>Small Bore Pistol Production</source>
        <translation>Pienoispistooli, vakio</translation>
    </message>
    <message>
        <source>Small Bore Pistol Standing</source>
        <translation>Pienoispistooli, pystyasento</translation>
    </message>
    <message>
        <source>Small Bore Pistol Unlimited</source>
        <translation>Pienoispistooli, vapaa</translation>
    </message>
    <message>
        <source>Field Pistol Production</source>
        <translation>Kenttäpistooli, vakio</translation>
    </message>
    <message>
        <source>Field Pistol Production Any Sight</source>
        <translation>Kenttäpistooli, vakio, vapaa tähtäin</translation>
    </message>
    <message>
        <source>Big Bore Rifle Silhouette</source>
        <translation>Isokaliiperinen kivääri, siluetti</translation>
    </message>
    <message>
        <source>Big Bore Rifle Hunter</source>
        <translation>Isokaliiperinen kivääri, metsästys</translation>
    </message>
    <message>
        <source>Small Bore Rifle Silhouette</source>
        <translation>Pienoiskivääri, siluetti</translation>
    </message>
    <message>
        <source>Small Bore Rifle Light</source>
        <translation>Pienoiskivääri, kevyt</translation>
    </message>
    <message>
        <source>No Class</source>
        <translation>Ei luokkaa</translation>
    </message>
    <message>
        <source>Big Bore Pistol Aggregate</source>
        <translation>Isokaliiperinen pistooli, yhteistulos</translation>
    </message>
    <message>
        <source>Field Pistol Aggregate</source>
        <translation>Kenttäpistooli, yhteistulos</translation>
    </message>
    <message>
        <source>Small Bore Pistol Aggregate</source>
        <translation>Pienoispistooli, yhteistulos</translation>
    </message>
    <message>
        <source>Standing Aggregate</source>
        <translation>Pystyasento, yhteistulos</translation>
    </message>
    <message>
        <source>Small Bore Rifle Aggregate</source>
        <translation>Pienoiskivääri, yhteistulos</translation>
    </message>
    <message>
        <source>Big Bore Rifle Aggregate</source>
        <translation>Isokaliiperinen kivääri, yhteistulos</translation>
    </message>
    <message>
        <source>Big Bore Pistol Teams</source>
        <translation>Isokaliiperinen pistooli, joukkueet</translation>
    </message>
    <message>
        <source>Small Bore Pistol Teams</source>
        <translation>Pienoispistooli, joukkueet</translation>
    </message>
    <message>
        <source>Field Pistol Teams</source>
        <translation>Kenttäpistooli, joukkueet</translation>
    </message>
    <message>
        <source>Small Bore Rifle Teams</source>
        <translation>Pienoiskivääri, joukkueet</translation>
    </message>
    <message>
        <source>Big Bore Rifle Teams</source>
        <translation>Isokaliiperinen kivääri, joukkueet</translation>
    </message>
    <message>
        <source>Standing Teams</source>
        <translation>Pystyasento, joukkueet</translation>
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
</context>
<context>
    <name>EntryLog</name>
    <message>
        <source>it is not a plain file (a link, a pipe or a folder)</source>
        <translation>se ei ole tavallinen tiedosto (linkki, putki tai kansio)</translation>
    </message>
    <message>
        <source>it is not an entry log of Marvola</source>
        <translation>se ei ole Marvolan kirjausloki</translation>
    </message>
</context>
<context>
    <name>ImportColumns</name>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Etunimi</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Sukunimi</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Seura</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Kansallisuus</translation>
    </message>
    <message>
        <source>Member number</source>
        <translation>Jäsennumero</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Sähköposti</translation>
    </message>
    <message>
        <source>Shares gun with</source>
        <translation>Yhteinen ase</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Vasenkätinen</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Luokka</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Ase</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliiperi</translation>
    </message>
    <message>
        <source>(not imported)</source>
        <translation>(ei tuoda)</translation>
    </message>
    <message>
        <source>Entered in %1</source>
        <translation>Osallistuu lajiin %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The class &quot;%1&quot; is not valid in %2 (%3).</source>
        <translation>Luokka &quot;%1&quot; ei kelpaa lajissa %2 (%3).</translation>
    </message>
    <message>
        <source>Unknown discipline &quot;%1&quot;.</source>
        <translation>Tuntematon laji &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has a character the match file cannot hold: %3.</source>
        <translation>%1 &quot;%2&quot; sisältää merkin, jota kilpailutiedostoon ei voi tallentaa: %3.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is longer than %3 characters.</source>
        <translation>%1 &quot;%2&quot; on yli %3 merkkiä pitkä.</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>The club</source>
        <translation>Seura</translation>
    </message>
    <message>
        <source>The nationality</source>
        <translation>Kansallisuus</translation>
    </message>
    <message>
        <source>The class in %1</source>
        <translation>Luokka lajissa %1</translation>
    </message>
    <message>
        <source>The gun in %1</source>
        <translation>Ase lajissa %1</translation>
    </message>
    <message>
        <source>The model in %1</source>
        <translation>Malli lajissa %1</translation>
    </message>
    <message>
        <source>The caliber in %1</source>
        <translation>Kaliiperi lajissa %1</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Nimi on tyhjä.</translation>
    </message>
    <message>
        <source>The name is already in use: %1.</source>
        <translation>Nimi on jo käytössä: %1.</translation>
    </message>
    <message>
        <source>The same name is on line %1.</source>
        <translation>Sama nimi on rivillä %1.</translation>
    </message>
    <message>
        <source>Suspected duplicate of %1.</source>
        <translation>Epäilty kaksoiskappale: %1.</translation>
    </message>
    <message>
        <source>The register is full: a match can have %1 competitors.</source>
        <translation>Kilpailijarekisteri on täynnä: kilpailussa voi olla %1 kilpailijaa.</translation>
    </message>
</context>
<context>
    <name>ImportTable</name>
    <message>
        <source>Line %1 has a field longer than %2 characters: this is not a list of competitors.</source>
        <translation>Rivillä %1 on yli %2 merkin kenttä: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>The quotes opened on line %1 are never closed.</source>
        <translation>Rivillä %1 avattuja lainausmerkkejä ei suljeta.</translation>
    </message>
    <message>
        <source>Line %1 has more than %2 columns: this is not a list of competitors.</source>
        <translation>Rivillä %1 on yli %2 saraketta: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: this is not a list of competitors.</source>
        <translation>Tiedosto on yli %1 Mt: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>The file is not text: save the list as CSV or XLSX.</source>
        <translation>Tiedosto ei ole tekstiä: tallenna luettelo CSV- tai XLSX-muodossa.</translation>
    </message>
    <message>
        <source>The file has more than %1 rows: this is not a list of competitors.</source>
        <translation>Tiedostossa on yli %1 riviä: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Tiedosto on tyhjä.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Tiedostoa %1 ei voi lukea: %2</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook: it has no sheets to choose from.</source>
        <translation>%1 ei ole XLSX-työkirja: siinä ei ole valittavia taulukoita.</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
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
        <source>Chicken</source>
        <translation>Kana</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Possu</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Kalkk.</translation>
    </message>
    <message>
        <source>Ram</source>
        <translation>Pässi</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Yht.</translation>
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
        <source>Passi</source>
        <translation>Pässi</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Sija</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Ase</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliiperi</translation>
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
        <source>Nat.</source>
        <translation>Kans.</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Lajit</translation>
    </message>
</context>
<context>
    <name>ListStatus</name>
    <message>
        <source>Provisional results, posted %1; challenges until %2</source>
        <translation>Alustavat tulokset, julkaistu klo %1; vastalauseet klo %2 asti</translation>
    </message>
    <message>
        <source>Official results, %1</source>
        <translation>Viralliset tulokset, klo %1</translation>
    </message>
    <message>
        <source>%1 class %2</source>
        <translation>%1 luokka %2</translation>
    </message>
    <message>
        <source>Posted with a tie that needs a shoot-off: %1, places %2: %3.</source>
        <translation>Julkaistu tasapelin kanssa, joka vaatii uusinnan: %1, sijat %2: %3.</translation>
    </message>
    <message>
        <source>This would change official results (%1): nothing was changed. To correct them, reopen the list with a reason (Results &gt; Reopen lists..., or in batch --reopen LISTS --reason TEXT).</source>
        <translation>Tämä muuttaisi virallisia tuloksia (%1): mitään ei muutettu. Korjataksesi ne avaa lista uudelleen syyn kanssa (Tulokset &gt; Avaa listat uudelleen..., tai eräajossa --reopen LISTAT --reason TEKSTI).</translation>
    </message>
</context>
<context>
    <name>LiveBoard</name>
    <message>
        <source>a save of the match is under way</source>
        <translation>kilpailun tallennus on kesken</translation>
    </message>
    <message>
        <source>--serve: %1 is not an IP address.</source>
        <translation>--serve: %1 ei ole IP-osoite.</translation>
    </message>
    <message>
        <source>--serve: %1 is not a port number (0 to 65535).</source>
        <translation>--serve: %1 ei ole porttinumero (0–65535).</translation>
    </message>
</context>
<context>
    <name>LiveContent</name>
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
        <source>Gun</source>
        <translation>Ase</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliiperi</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Sija</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>C</source>
        <translation>Kn</translation>
    </message>
    <message>
        <source>P</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>T</source>
        <translation>Kl</translation>
    </message>
    <message>
        <source>R</source>
        <translation>Pä</translation>
    </message>
    <message>
        <source>Tot</source>
        <translation>Yht</translation>
    </message>
    <message>
        <source>All lists</source>
        <translation>Kaikki luettelot</translation>
    </message>
    <message>
        <source>Live results</source>
        <translation>Live-tulokset</translation>
    </message>
    <message>
        <source>Find a shooter</source>
        <translation>Etsi ampuja</translation>
    </message>
    <message>
        <source>Name, club or number</source>
        <translation>Nimi, seura tai numero</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nro %1</translation>
    </message>
    <message>
        <source>No. %1, %2</source>
        <translation>Nro %1, %2</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Luettelo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Otsikko</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Luokka</translation>
    </message>
    <message>
        <source>Type a name, a club or a number.</source>
        <translation>Kirjoita nimi, seura tai numero.</translation>
    </message>
    <message>
        <source>No shooter&apos;s name, club or number matches “%1”.</source>
        <translation>Yhdenkään ampujan nimi, seura tai numero ei vastaa hakua ”%1”.</translation>
    </message>
    <message>
        <source>Last heard from the server:</source>
        <translation>Palvelin vastasi viimeksi:</translation>
    </message>
    <message>
        <source>Not up to date: no answer from the results server since %1.</source>
        <translation>Ei ajan tasalla: tulospalvelin ei ole vastannut kello %1 jälkeen.</translation>
    </message>
    <message>
        <source>This list is no longer on the board.</source>
        <translation>Tätä luetteloa ei enää ole tulostaululla.</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Seura: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Paikka: %1</translation>
    </message>
    <message>
        <source>Date: %1 - %2</source>
        <translation>Päivämäärä: %1 - %2</translation>
    </message>
    <message>
        <source>Shoot-off pending</source>
        <translation>Uusinta kesken</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation>%1 min jäljellä</translation>
    </message>
    <message>
        <source>Relays: now and next</source>
        <translation>Erät: nyt ja seuraavaksi</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>Erät</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Shooting now</source>
        <translation>Ampumassa nyt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seuraavaksi</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message>
        <source>Relay %1, %2–%3: %4</source>
        <translation>Erä %1, %2–%3: %4</translation>
    </message>
    <message>
        <source>No relay is shooting now.</source>
        <translation>Yksikään erä ei ammu nyt.</translation>
    </message>
    <message>
        <source>No more relays are planned today.</source>
        <translation>Tälle päivälle ei ole suunniteltu enempää eriä.</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Klo</translation>
    </message>
</context>
<context>
    <name>MailStore</name>
    <message>
        <source>The entry log %1 cannot be written: %2</source>
        <translation>Kirjausloki %1 ei ole kirjoitettavissa: %2</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>No display: use the batch mode (marvola MATCH.mrv --pdf OUT.pdf, see --help) or run under xvfb-run.</source>
        <translation>Ei näyttöä: käytä eräajoa (marvola KILPAILU.mrv --pdf ULOS.pdf, katso --help) tai aja xvfb-run-komennolla.</translation>
    </message>
</context>
<context>
    <name>MatchChanges</name>
    <message>
        <source>The entry log holds the value &quot;%1&quot; for %2, which it cannot hold.</source>
        <translation>Kirjauslokissa on kentälle %2 arvo &quot;%1&quot;, jota kenttä ei voi sisältää.</translation>
    </message>
    <message>
        <source>The entry log names a field this program does not know: %1 %2 %3.</source>
        <translation>Kirjauslokissa on kenttä, jota tämä ohjelma ei tunne: %1 %2 %3.</translation>
    </message>
    <message>
        <source>The entry log&apos;s change of %1 for number %2 does not fit the match: its place holds number %3, or the number is another&apos;s.</source>
        <translation>Kirjauslokin muutos %1 numerolle %2 ei sovi kilpailuun: sen paikalla on numero %3, tai numero on jo toisella.</translation>
    </message>
    <message>
        <source>The entry log holds a change this program does not know: %1 %2.</source>
        <translation>Kirjauslokissa on muutos, jota tämä ohjelma ei tunne: %1 %2.</translation>
    </message>
    <message>
        <source>The entry log&apos;s change of %1 holds a value this program cannot read: %2.</source>
        <translation>Syöttölokin muutos kentälle %1 sisältää arvon, jota ohjelma ei osaa lukea: %2.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>%1 hits below 0</source>
        <translation>%1: osumia alle 0</translation>
    </message>
    <message>
        <source>%1 hits above %2, the targets of one animal</source>
        <translation>%1: osumia yli %2, yhden eläimen taulujen määrän</translation>
    </message>
    <message>
        <source>Total above %1, the shots</source>
        <translation>Yhteensä yli %1, laukausten määrän</translation>
    </message>
    <message>
        <source>Total %1 is not the sum of the hits, %2</source>
        <translation>Yhteensä %1 ei ole osumien summa, %2</translation>
    </message>
</context>
<context>
    <name>PrintLists</name>
    <message>
        <source>Unknown list &quot;%1&quot;. The lists are: %2.</source>
        <translation>Tuntematon luettelo &quot;%1&quot;. Luettelot ovat: %2.</translation>
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
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
</context>
<context>
    <name>RelayLists</name>
    <message>
        <source>Start list by relay</source>
        <translation>Lähtölista erittäin</translation>
    </message>
    <message>
        <source>Start list by club</source>
        <translation>Lähtölista seuroittain</translation>
    </message>
    <message>
        <source>Start list by competitor</source>
        <translation>Lähtölista kilpailijoittain</translation>
    </message>
    <message>
        <source>Cards not returned</source>
        <translation>Palauttamatta olevat kortit</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nro</translation>
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
        <source>Class</source>
        <translation>Luokka</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Relay %1, %2, %3 min: %4</source>
        <translation>Erä %1, %2, %3 min: %4</translation>
    </message>
    <message>
        <source>No club</source>
        <translation>Ei seuraa</translation>
    </message>
    <message>
        <source>Relays ended by %1</source>
        <translation>Erät, jotka ovat päättyneet klo %1 mennessä</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>The report could not be sent to its destination.</source>
        <translation>Tulosteen lähettäminen kohteeseen epäonnistui.</translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
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
    <name>ResultSheet</name>
    <message>
        <source>Class</source>
        <translation>Luokka</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Ase</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Uusinta</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Sija</translation>
    </message>
    <message>
        <source>In class</source>
        <translation>Luokassa</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Yhdistetty</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Team list</source>
        <translation>Joukkueluettelo</translation>
    </message>
    <message>
        <source>Provisional results</source>
        <translation>Alustavat tulokset</translation>
    </message>
    <message>
        <source>Official results</source>
        <translation>Viralliset tulokset</translation>
    </message>
    <message>
        <source>Result sheet</source>
        <translation>Tulosarkki</translation>
    </message>
    <message>
        <source>Result sheet %1</source>
        <translation>Tulosarkki %1</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Kansallisuus</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Lajit</translation>
    </message>
    <message>
        <source>No disciplines entered.</source>
        <translation>Ei ilmoittautumisia lajeihin.</translation>
    </message>
    <message>
        <source>Places are given as place / competitors. The overall first three are placed above the classes.</source>
        <translation>Sijoitukset muodossa sija / kilpailijoita. Kolme parasta sijoitetaan luokkien yläpuolelle.</translation>
    </message>
    <message>
        <source>Aggregates</source>
        <translation>Yhdistetyt</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Joukkueet</translation>
    </message>
</context>
<context>
    <name>ScoreCards</name>
    <message>
        <source>Score cards</source>
        <translation>Tuloskortit</translation>
    </message>
    <message>
        <source>There are no score cards to print.</source>
        <translation>Tulostettavia tuloskortteja ei ole.</translation>
    </message>
</context>
<context>
    <name>SheetMail</name>
    <message>
        <source>Provisional results: %1</source>
        <translation>Alustavat tulokset: %1</translation>
    </message>
    <message>
        <source>Official results: %1</source>
        <translation>Viralliset tulokset: %1</translation>
    </message>
    <message>
        <source>Your results: %1</source>
        <translation>Tuloksesi: %1</translation>
    </message>
    <message>
        <source>Hello %1,</source>
        <translation>Hei %1,</translation>
    </message>
    <message>
        <source>your result sheet of %1, %2 - %3, is attached.</source>
        <translation>liitteenä on tulosarkkisi kilpailusta %1, %2 - %3.</translation>
    </message>
    <message>
        <source>The results are provisional and may still change.</source>
        <translation>Tulokset ovat alustavia ja voivat vielä muuttua.</translation>
    </message>
    <message>
        <source>The results are official.</source>
        <translation>Tulokset ovat virallisia.</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: sent (%3)</source>
        <translation>%1 &lt;%2&gt;: lähetetty (%3)</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: NOT sent: %3</source>
        <translation>%1 &lt;%2&gt;: EI lähetetty: %3</translation>
    </message>
    <message>
        <source>%1: no e-mail address</source>
        <translation>%1: ei sähköpostiosoitetta</translation>
    </message>
    <message>
        <source>%1 &lt;%2&gt;: sent before, not again</source>
        <translation>%1 &lt;%2&gt;: lähetetty aiemmin, ei uudelleen</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Scoring station</source>
        <translation>Tulosasema</translation>
    </message>
    <message>
        <source>Nothing waiting</source>
        <translation>Ei odottavia</translation>
    </message>
    <message>
        <source>%1 waiting</source>
        <translation>%1 odottaa</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Ladataan…</translation>
    </message>
    <message>
        <source>Scan the station&apos;s QR code on the office screen.</source>
        <translation>Lue aseman QR-koodi toimiston näytöltä.</translation>
    </message>
    <message>
        <source>This phone is not paired with a station.</source>
        <translation>Tätä puhelinta ei ole liitetty asemaan.</translation>
    </message>
    <message>
        <source>The office refused this station.</source>
        <translation>Toimisto torjui tämän aseman.</translation>
    </message>
    <message>
        <source>The office cannot be reached. Try again.</source>
        <translation>Toimistoon ei saada yhteyttä. Yritä uudelleen.</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Last sent</source>
        <translation>Viimeksi lähetetyt</translation>
    </message>
    <message>
        <source>%1: competitor</source>
        <translation>%1: kilpailija</translation>
    </message>
    <message>
        <source>Number or name</source>
        <translation>Numero tai nimi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>No competitor found.</source>
        <translation>Kilpailijaa ei löytynyt.</translation>
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
        <source>too many</source>
        <translation>liikaa</translation>
    </message>
    <message>
        <source>Total %1 of %2</source>
        <translation>Yhteensä %1 / %2</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Uusinta</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Yhteenveto</translation>
    </message>
    <message>
        <source>Please check, %1</source>
        <translation>Tarkista, %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>A count is more than the targets shot.</source>
        <translation>Jokin määrä on suurempi kuin ammutut taulut.</translation>
    </message>
    <message>
        <source>Competitor’s initials (optional)</source>
        <translation>Kilpailijan nimikirjaimet (vapaaehtoinen)</translation>
    </message>
    <message>
        <source>Confirm and send</source>
        <translation>Vahvista ja lähetä</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>tallennettu</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>kaksoiskappale</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>ristiriita</translation>
    </message>
    <message>
        <source>awaiting</source>
        <translation>odottaa toista</translation>
    </message>
    <message>
        <source>disagreement</source>
        <translation>erimielisyys</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>torjuttu</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kaikki</translation>
    </message>
    <message>
        <source>Point %1</source>
        <translation>Paikka %1</translation>
    </message>
</context>
<context>
    <name>StationStore</name>
    <message>
        <source>The entry log %1 cannot be written: %2</source>
        <translation>Kirjauslokiin %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>%1 is not a discipline code.</source>
        <translation>%1 ei ole lajin tunnus.</translation>
    </message>
    <message>
        <source>A station needs a name.</source>
        <translation>Asemalla pitää olla nimi.</translation>
    </message>
    <message>
        <source>No free station id was found.</source>
        <translation>Vapaata aseman tunnusta ei löytynyt.</translation>
    </message>
    <message>
        <source>There is no station %1.</source>
        <translation>Asemaa %1 ei ole.</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>The file is larger than %1 MB: this is not a list of competitors.</source>
        <translation>Tiedosto on yli %1 Mt: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read.</source>
        <translation>%1 ei ole luettava XLSX-työkirja.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: it has no %2.</source>
        <translation>%1 ei ole luettava XLSX-työkirja: siitä puuttuu %2.</translation>
    </message>
    <message>
        <source>%1 unpacks to more than %2 MB in %3: this is not a list of competitors.</source>
        <translation>%1 purkautuu osassa %3 yli %2 megatavuksi: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: %2 (%3).</source>
        <translation>%1 ei ole luettava XLSX-työkirja: %2 (%3).</translation>
    </message>
    <message>
        <source>%1 has no sheet.</source>
        <translation>Työkirjassa %1 ei ole taulukkoa.</translation>
    </message>
    <message>
        <source>%1 has no sheet named &quot;%2&quot;; its sheets are: %3.</source>
        <translation>Työkirjassa %1 ei ole taulukkoa &quot;%2&quot;; sen taulukot ovat: %3.</translation>
    </message>
    <message>
        <source>%1 is not an XLSX workbook that can be read: its sheet has no part.</source>
        <translation>%1 ei ole luettava XLSX-työkirja: sen taulukon osa puuttuu.</translation>
    </message>
    <message>
        <source>%1 has more than %2 filled cells: this is not a list of competitors.</source>
        <translation>Työkirjassa %1 on yli %2 täytettyä solua: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>Row %1 of the sheet has a value in column %2; a list of competitors has at most %3 columns.</source>
        <translation>Taulukon rivillä %1 on arvo sarakkeessa %2; kilpailijaluettelossa on enintään %3 saraketta.</translation>
    </message>
    <message>
        <source>The sheet has more than %1 rows: this is not a list of competitors.</source>
        <translation>Taulukossa on yli %1 riviä: tämä ei ole kilpailijaluettelo.</translation>
    </message>
    <message>
        <source>The sheet is empty.</source>
        <translation>Taulukko on tyhjä.</translation>
    </message>
</context>
<context>
    <name>marvola</name>
    <message>
        <source>The body is not a JSON object.</source>
        <translation>Pyynnön sisältö ei ole JSON-olio.</translation>
    </message>
    <message>
        <source>The id must be 1 to 64 letters, digits or hyphens.</source>
        <translation>Tunnuksen pitää olla 1–64 kirjainta, numeroa tai yhdysmerkkiä.</translation>
    </message>
    <message>
        <source>The competitor must be a competitor number.</source>
        <translation>Kilpailijan pitää olla kilpailijanumero.</translation>
    </message>
    <message>
        <source>The discipline must be a discipline code such as BBPR.</source>
        <translation>Lajin pitää olla lajin tunnus, esimerkiksi BBPR.</translation>
    </message>
    <message>
        <source>The hits of %1 must be a whole number.</source>
        <translation>Lajin %1 osumien pitää olla kokonaisluku.</translation>
    </message>
    <message>
        <source>The total must be a whole number.</source>
        <translation>Yhteistuloksen pitää olla kokonaisluku.</translation>
    </message>
    <message>
        <source>The shoot-off entries must be a list of at most five texts.</source>
        <translation>Uusintojen pitää olla enintään viiden tekstin luettelo.</translation>
    </message>
    <message>
        <source>A shoot-off entry is a text of at most two characters.</source>
        <translation>Uusinnan merkintä on enintään kahden merkin teksti.</translation>
    </message>
    <message>
        <source>The shots must be a list of the targets&apos; marks.</source>
        <translation>Laukausten pitää olla luettelo taulujen merkinnöistä.</translation>
    </message>
    <message>
        <source>The initials must be a text of at most 10 characters.</source>
        <translation>Nimikirjainten pitää olla enintään 10 merkin teksti.</translation>
    </message>
    <message>
        <source>This station may not score %1.</source>
        <translation>Tämä asema ei saa syöttää lajin %1 tuloksia.</translation>
    </message>
    <message>
        <source>The total must be the sum of the hits.</source>
        <translation>Yhteistuloksen on oltava osumien summa.</translation>
    </message>
    <message>
        <source>This station has used the largest counter the office takes (18 nines): pair the phone again.</source>
        <translation>Tämä asema on käyttänyt suurimman laskurin, jonka toimisto ottaa (18 yhdeksikköä): yhdistä puhelin asemaan uudelleen.</translation>
    </message>
    <message>
        <source>The counter is not above the last one accepted.</source>
        <translation>Laskuri ei ole suurempi kuin viimeksi hyväksytty.</translation>
    </message>
    <message>
        <source>point %1 of relay %2 is given twice</source>
        <translation>erän %2 paikka %1 on annettu kahdesti</translation>
    </message>
    <message>
        <source>relay %1 overlaps relay %2, where this competitor shoots %3</source>
        <translation>erä %1 on päällekkäin erän %2 kanssa, jossa kilpailija ampuu lajin %3</translation>
    </message>
    <message>
        <source>relay %1 overlaps relay %2 of %3, who shares the gun</source>
        <translation>erä %1 on päällekkäin saman aseen jakavan %3 erän %2 kanssa</translation>
    </message>
    <message>
        <source>competitor %1 is not entered in %2</source>
        <translation>kilpailija %1 ei ole mukana lajissa %2</translation>
    </message>
    <message>
        <source>relay %1 is not in the plan</source>
        <translation>erää %1 ei ole suunnitelmassa</translation>
    </message>
    <message>
        <source>relay %1 does not shoot %2</source>
        <translation>erä %1 ei ammu lajia %2</translation>
    </message>
    <message>
        <source>relay %1 has no point %2</source>
        <translation>erässä %1 ei ole paikkaa %2</translation>
    </message>
    <message>
        <source>%1 fields where the heading has 5</source>
        <translation>%1 kenttää, otsikkorivillä on 5</translation>
    </message>
    <message>
        <source>no discipline</source>
        <translation>ei lajia</translation>
    </message>
    <message>
        <source>unknown discipline &quot;%1&quot;</source>
        <translation>tuntematon laji &quot;%1&quot;</translation>
    </message>
    <message>
        <source>discipline %1 named twice</source>
        <translation>laji %1 mainittu kahdesti</translation>
    </message>
    <message>
        <source>relay number &quot;%1&quot; is not a whole number from 1 to %2</source>
        <translation>erän numero &quot;%1&quot; ei ole kokonaisluku väliltä 1–%2</translation>
    </message>
    <message>
        <source>start &quot;%1&quot; is not a time from 00:00 to 23:59</source>
        <translation>alku &quot;%1&quot; ei ole kellonaika väliltä 00:00–23:59</translation>
    </message>
    <message>
        <source>length &quot;%1&quot; is not a number of minutes from 1 to %2</source>
        <translation>pituus &quot;%1&quot; ei ole minuuttimäärä väliltä 1–%2</translation>
    </message>
    <message>
        <source>points &quot;%1&quot; is not a whole number from 1 to %2</source>
        <translation>paikat &quot;%1&quot; ei ole kokonaisluku väliltä 1–%2</translation>
    </message>
    <message>
        <source>the first line must be the heading disciplines;relay;start;minutes;points</source>
        <translation>ensimmäisen rivin on oltava otsikko disciplines;relay;start;minutes;points</translation>
    </message>
    <message>
        <source>relay %1 is already in the plan</source>
        <translation>erä %1 on jo suunnitelmassa</translation>
    </message>
    <message>
        <source>the plan is empty: no heading line</source>
        <translation>suunnitelma on tyhjä: ei otsikkoriviä</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>tiedostoa %1 ei voi lukea: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes: not a relay plan</source>
        <translation>%1 on suurempi kuin %2 tavua: se ei ole eräsuunnitelma</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Seura: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Luokka: %1</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Osumat</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>Shoot-off</source>
        <translation>Uusinta</translation>
    </message>
    <message>
        <source>Competitor&apos;s signature</source>
        <translation>Kilpailijan allekirjoitus</translation>
    </message>
    <message>
        <source>Scorer&apos;s signature</source>
        <translation>Kirjurin allekirjoitus</translation>
    </message>
    <message>
        <source>There are no score cards to print.</source>
        <translation>Tulostettavia tuloskortteja ei ole.</translation>
    </message>
    <message>
        <source>Score cards</source>
        <translation>Tuloskortit</translation>
    </message>
</context>
<context>
    <name>marvola::CheckResultsDialog</name>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>What looks wrong</source>
        <translation>Mikä näyttää väärältä</translation>
    </message>
    <message>
        <source>Check results</source>
        <translation>Tarkista tulokset</translation>
    </message>
    <message>
        <source>Every result follows the rules.</source>
        <translation>Kaikki tulokset ovat sääntöjen mukaisia.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Double-click one to correct it.</source>
        <translation>
            <numerusform>%n tulos näyttää virheelliseltä. Korjaa se kaksoisnapsauttamalla.</numerusform>
            <numerusform>%n tulosta näyttää virheelliseltä. Korjaa tulos kaksoisnapsauttamalla sitä.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>marvola::CompetitorEntryDialog</name>
    <message>
        <source>Add/Edit Competitor</source>
        <translation>Lisää/muokkaa kilpailijaa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Muokkaa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
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
        <source>Nationality</source>
        <translation>Kansallisuus</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Ase</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliiperi</translation>
    </message>
    <message>
        <source>Aggr.</source>
        <translation>Yht.</translation>
    </message>
</context>
<context>
    <name>marvola::CompetitorForm</name>
    <message>
        <source>Muodossa: Sukunimi Etunimi</source>
        <translation>Muodossa: Sukunimi Etunimi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Member or competitor numbers of those who shoot the same gun</source>
        <translation>Samalla aseella ampuvien jäsen- tai kilpailijanumerot</translation>
    </message>
    <message>
        <source>Left-handed</source>
        <translation>Vasenkätinen</translation>
    </message>
    <message>
        <source>Member number</source>
        <translation>Jäsennumero</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Sähköposti</translation>
    </message>
    <message>
        <source>Shares gun with</source>
        <translation>Yhteinen ase</translation>
    </message>
    <message>
        <source>The e-mail address is not valid.</source>
        <translation>Sähköpostiosoite ei kelpaa.</translation>
    </message>
</context>
<context>
    <name>marvola::DatabaseDialog</name>
    <message>
        <source>Tämä moduuli on kokeellinen. Se lähettää kilpailun tulokset online-tietokantaan, josta liiton verkkosivuilla (%1) näytetään live-tilastoja kilpailun aikana.</source>
        <translation>Tämä moduuli on kokeellinen. Se lähettää kilpailun tulokset online-tietokantaan, josta liiton verkkosivuilla (%1) näytetään live-tilastoja kilpailun aikana.</translation>
    </message>
    <message>
        <source>1. Paina ensin &quot;Connect&quot; ja odota, että ylempään ruutuun tulee tuloksia.</source>
        <translation>1. Paina ensin &quot;Yhdistä&quot; ja odota, että ylempään ruutuun tulee tuloksia.</translation>
    </message>
    <message>
        <source>2. Valitse sitten lähetettävät lajit ja paina &quot;Send Results&quot;.</source>
        <translation>2. Valitse sitten lähetettävät lajit ja paina &quot;Lähetä tulokset&quot;.</translation>
    </message>
    <message>
        <source>3. Odota, että yllä olevaan ruutuun tulee ilmoitus onnistuneesta siirrosta. Paina lopuksi &quot;Disconnect&quot; ja sulje ikkuna.</source>
        <translation>3. Odota, että yllä olevaan ruutuun tulee ilmoitus onnistuneesta siirrosta. Paina lopuksi &quot;Katkaise yhteys&quot; ja sulje ikkuna.</translation>
    </message>
    <message>
        <source>Jos näkyviin tulee virheilmoitus, lähetä kilpailun neljä tulostiedostoa sähköpostilla osoitteeseen %1.</source>
        <translation>Jos näkyviin tulee virheilmoitus, lähetä kilpailun neljä tulostiedostoa sähköpostilla osoitteeseen %1.</translation>
    </message>
    <message>
        <source>Connnect</source>
        <translation>Yhdistä</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Katkaise yhteys</translation>
    </message>
    <message>
        <source>Send Results</source>
        <translation>Lähetä tulokset</translation>
    </message>
    <message>
        <source>Replace the rows sent earlier for this match</source>
        <translation>Korvaa tälle kilpailulle aiemmin lähetetyt rivit</translation>
    </message>
    <message>
        <source>Export to database</source>
        <translation>Vienti tietokantaan</translation>
    </message>
    <message>
        <source>Siirto valmis!</source>
        <translation>Siirto valmis!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
</context>
<context>
    <name>marvola::DatabaseLoginDialog</name>
    <message>
        <source>Browse...</source>
        <translation>Selaa...</translation>
    </message>
    <message>
        <source>Allow unencrypted connection</source>
        <translation>Salli salaamaton yhteys</translation>
    </message>
    <message>
        <source>Database Login</source>
        <translation>Kirjautuminen tietokantaan</translation>
    </message>
    <message>
        <source>the system&apos;s certificates</source>
        <translation>järjestelmän varmenteet</translation>
    </message>
    <message>
        <source>Database:</source>
        <translation>Tietokanta:</translation>
    </message>
    <message>
        <source>Host Name:</source>
        <translation>Palvelin:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Käyttäjätunnus:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Salasana:</translation>
    </message>
    <message>
        <source>CA file:</source>
        <translation>CA-tiedosto:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>CA certificate of the results server</source>
        <translation>Tulospalvelimen CA-varmenne</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt);;All files (*)</source>
        <translation>Varmenteet (*.pem *.crt);;Kaikki tiedostot (*)</translation>
    </message>
</context>
<context>
    <name>marvola::Draw</name>
    <message>
        <source>no relay of the plan shoots %1</source>
        <translation>mikään suunnitelman erä ei ammu lajia %1</translation>
    </message>
    <message>
        <source>every relay of %1 with a free point overlaps a relay of %2, who shares the gun</source>
        <translation>jokainen lajin %1 erä, jossa on vapaa paikka, on päällekkäin saman aseen jakavan %2 erän kanssa</translation>
    </message>
    <message>
        <source>every relay of %1 with a free point overlaps another relay of this competitor</source>
        <translation>jokainen lajin %1 erä, jossa on vapaa paikka, on päällekkäin kilpailijan toisen erän kanssa</translation>
    </message>
    <message>
        <source>every relay of %1 is full</source>
        <translation>lajin %1 kaikki erät ovat täynnä</translation>
    </message>
    <message>
        <source>number %1 is given to two competitors</source>
        <translation>numero %1 on annettu kahdelle kilpailijalle</translation>
    </message>
</context>
<context>
    <name>marvola::EditCompetitorDialog</name>
    <message>
        <source>Nimi ei ole kelvollinen.</source>
        <translation>Nimi ei ole kelvollinen.</translation>
    </message>
    <message>
        <source>Tällä nimellä on jo kilpailija.</source>
        <translation>Tällä nimellä on jo kilpailija.</translation>
    </message>
    <message>
        <source>Edit Competitor</source>
        <translation>Muokkaa kilpailijaa</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
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
        <source>Nationality</source>
        <translation>Kansallisuus</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>%1 has results entered, and they are lost when the competitor is removed. Remove %1?</source>
        <translation>Kilpailijalle %1 on kirjattu tuloksia, ja ne menetetään, kun kilpailija poistetaan. Poistetaanko %1?</translation>
    </message>
</context>
<context>
    <name>marvola::EditTeamDialog</name>
    <message>
        <source>To remove team: Clear team name and press OK</source>
        <translation>Joukkueen poisto: tyhjennä joukkueen nimi ja paina OK</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Muokkaa joukkuetta</translation>
    </message>
</context>
<context>
    <name>marvola::EntryLogWindow</name>
    <message>
        <source>Entry log</source>
        <translation>Kirjausloki</translation>
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
        <translation>Uusin ensin; tiedoston %1 loki on vain luettavissa.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Laatu</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Kenttä</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Vanha</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>office</source>
        <translation>toimisto</translation>
    </message>
    <message>
        <source>competitor</source>
        <translation>kilpailija</translation>
    </message>
    <message>
        <source>team</source>
        <translation>joukkue</translation>
    </message>
    <message>
        <source>match</source>
        <translation>kilpailu</translation>
    </message>
    <message>
        <source>open</source>
        <translation>avaus</translation>
    </message>
    <message>
        <source>save</source>
        <translation>tallennus</translation>
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
        <source>Nationality</source>
        <translation>Kansallisuus</translation>
    </message>
    <message>
        <source>Entered</source>
        <translation>Osallistuu</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Luokka</translation>
    </message>
    <message>
        <source>Gun</source>
        <translation>Ase</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Kaliiperi</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Sija</translation>
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
        <source>Total</source>
        <translation>Yhteensä</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Alkupäivä</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Loppupäivä</translation>
    </message>
    <message>
        <source>Match Director</source>
        <translation>Kilpailunjohtaja</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Taso</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Ennätyskelpoisuus</translation>
    </message>
    <message>
        <source>Group shot</source>
        <translation>Ryhmä mukana</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Laukaukset</translation>
    </message>
    <message>
        <source>Last number</source>
        <translation>Viimeinen numero</translation>
    </message>
    <message>
        <source>station %1</source>
        <translation>asema %1</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>palautettu</translation>
    </message>
    <message>
        <source>batch</source>
        <translation>eräajo</translation>
    </message>
    <message>
        <source>saving</source>
        <translation>tallennus alkaa</translation>
    </message>
</context>
<context>
    <name>marvola::ImportDialog</name>
    <message>
        <source>Import Competitors</source>
        <translation>Tuo kilpailijat</translation>
    </message>
    <message>
        <source>Competitors from %1</source>
        <translation>Kilpailijat tiedostosta %1</translation>
    </message>
    <message>
        <source>(column %1 without heading)</source>
        <translation>(sarake %1 ilman otsikkoa)</translation>
    </message>
    <message>
        <source>What each column holds:</source>
        <translation>Mitä kukin sarake sisältää:</translation>
    </message>
    <message>
        <source>&amp;Shorten the texts that are too long for their fields</source>
        <translation>&amp;Lyhennä tekstit, jotka ovat liian pitkiä kenttiinsä</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Rivi</translation>
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
        <source>Disciplines</source>
        <translation>Lajit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Syy</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Tuo</translation>
    </message>
    <message>
        <source>new</source>
        <translation>uusi</translation>
    </message>
    <message>
        <source>update</source>
        <translation>päivitys</translation>
    </message>
    <message>
        <source>suspected duplicate</source>
        <translation>epäilty kaksoiskappale</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>hylätty</translation>
    </message>
    <message>
        <source>Updates %1.</source>
        <translation>Päivittää: %1.</translation>
    </message>
    <message>
        <source>Import this row as a new competitor</source>
        <translation>Tuo tämä rivi uutena kilpailijana</translation>
    </message>
    <message>
        <source>No column holds the names: choose the column of the name or of the last name.</source>
        <translation>Mikään sarake ei sisällä nimiä: valitse nimen tai sukunimen sarake.</translation>
    </message>
    <message>
        <source>Also add them to the shooter &amp;register</source>
        <translation>Lisää ne myös ampuja&amp;rekisteriin</translation>
    </message>
    <message>
        <source>New: %1, updates: %2, suspected duplicates: %3, refused: %4. Nothing changes until you press Import.</source>
        <translation>Uusia: %1, päivityksiä: %2, epäiltyjä kaksoiskappaleita: %3, hylättyjä: %4. Mikään ei muutu ennen kuin painat Tuo.</translation>
    </message>
</context>
<context>
    <name>marvola::ListStatusDialog</name>
    <message>
        <source>Post results</source>
        <translation>Julkaise tulokset</translation>
    </message>
    <message>
        <source>Declare official</source>
        <translation>Vahvista viralliseksi</translation>
    </message>
    <message>
        <source>Reopen lists</source>
        <translation>Avaa listat uudelleen</translation>
    </message>
    <message>
        <source>Post the ticked lists as provisional results. Their challenge window starts now.</source>
        <translation>Julkaise valitut listat alustavina tuloksina. Niiden vastalauseaika alkaa nyt.</translation>
    </message>
    <message>
        <source>Declare the ticked lists official. They cannot change until they are reopened.</source>
        <translation>Vahvista valitut listat virallisiksi. Ne eivät voi muuttua ennen kuin ne avataan uudelleen.</translation>
    </message>
    <message>
        <source>Reopen the ticked official lists, so that their results can be corrected.</source>
        <translation>Avaa valitut viralliset listat uudelleen, jotta niiden tuloksia voi korjata.</translation>
    </message>
    <message>
        <source>Tick &amp;all</source>
        <translation>Valitse &amp;kaikki</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Tyhjennä valinnat</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>&amp;Challenge window:</source>
        <translation>&amp;Vastalauseaika:</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Syy:</translation>
    </message>
    <message>
        <source>&amp;Post</source>
        <translation>&amp;Julkaise</translation>
    </message>
    <message>
        <source>&amp;Declare official</source>
        <translation>&amp;Vahvista viralliseksi</translation>
    </message>
    <message>
        <source>Re&amp;open</source>
        <translation>Avaa &amp;uudelleen</translation>
    </message>
    <message>
        <source>Post them anyway?</source>
        <translation>Julkaistaanko silti?</translation>
    </message>
    <message>
        <source>The challenge window has not ended for %1. Declare them official now?</source>
        <translation>Vastalauseaika ei ole päättynyt listoilta %1. Vahvistetaanko ne virallisiksi nyt?</translation>
    </message>
    <message>
        <source>Tick the lists first.</source>
        <translation>Valitse ensin listat.</translation>
    </message>
    <message>
        <source>Type the reason for reopening.</source>
        <translation>Kirjoita syy uudelleen avaamiselle.</translation>
    </message>
</context>
<context>
    <name>marvola::LiveResultsWindow</name>
    <message>
        <source>Live results</source>
        <translation>Live-tulokset</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Portti:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Käynnistä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Live results could not start on port %1: %2</source>
        <translation>Live-tulokset eivät käynnistyneet porttiin %1: %2</translation>
    </message>
    <message>
        <source>The live results are off.</source>
        <translation>Live-tulokset eivät ole käynnissä.</translation>
    </message>
    <message>
        <source>The live results are on, but this computer has no network address: connect it to the range network.</source>
        <translation>Live-tulokset ovat käynnissä, mutta tällä tietokoneella ei ole verkko-osoitetta: liitä se radan verkkoon.</translation>
    </message>
    <message>
        <source>The live results are on. Open one of these addresses on a phone or computer of the same network, or scan the code:</source>
        <translation>Live-tulokset ovat käynnissä. Avaa jokin näistä osoitteista saman verkon puhelimella tai tietokoneella tai lue koodi:</translation>
    </message>
    <message>
        <source>Live results on %1</source>
        <translation>Live-tulokset osoitteessa %1</translation>
    </message>
    <message>
        <source>&amp;Live results...</source>
        <translation>&amp;Live-tulokset...</translation>
    </message>
</context>
<context>
    <name>marvola::MailSheetsDialog</name>
    <message>
        <source>Allow unencrypted connection</source>
        <translation>Salli salaamaton yhteys</translation>
    </message>
    <message>
        <source>Send again to those who have their sheet</source>
        <translation>Lähetä uudelleen niille, joilla kortti jo on</translation>
    </message>
    <message>
        <source>Mail result sheets</source>
        <translation>Lähetä tulosarkit</translation>
    </message>
    <message>
        <source>HOST or HOST:PORT</source>
        <translation>PALVELIN tai PALVELIN:PORTTI</translation>
    </message>
    <message>
        <source>Mail &amp;server:</source>
        <translation>Sähköposti&amp;palvelin:</translation>
    </message>
    <message>
        <source>&amp;User (none: no login):</source>
        <translation>&amp;Käyttäjä (tyhjä: ei kirjautumista):</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Sala&amp;sana:</translation>
    </message>
    <message>
        <source>&amp;From address:</source>
        <translation>&amp;Lähettäjän osoite:</translation>
    </message>
    <message>
        <source>S&amp;end</source>
        <translation>&amp;Lähetä</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Peruuta</translation>
    </message>
    <message>
        <source>The from address is not an e-mail address.</source>
        <translation>Lähettäjän osoite ei ole sähköpostiosoite.</translation>
    </message>
    <message>
        <source>No competitor is chosen.</source>
        <translation>Yhtään kilpailijaa ei ole valittu.</translation>
    </message>
    <message>
        <source>Save the match first: the messages sent are kept in its entry log.</source>
        <translation>Tallenna kilpailu ensin: lähetetyt viestit kirjataan sen kirjauslokiin.</translation>
    </message>
    <message>
        <source>Cancelled: %1 sent, %2 failed.</source>
        <translation>Peruttu: %1 lähetetty, %2 epäonnistui.</translation>
    </message>
    <message>
        <source>Done: %1 sent, %2 failed.</source>
        <translation>Valmis: %1 lähetetty, %2 epäonnistui.</translation>
    </message>
</context>
<context>
    <name>marvola::MainWindow</name>
    <message>
        <source>Changes are not logged: %1</source>
        <translation>Muutoksia ei kirjata: %1</translation>
    </message>
    <message>
        <source>1 change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</source>
        <translation>1 kirjauslokin muutos tehtiin kilpailun toiseen tilaan (se on sittemmin tallennettu muualla tai korvattu), eikä sitä palauteta.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match (it was saved elsewhere or replaced since) and are not restored.</source>
        <translation>
            <numerusform>%n kirjauslokin muutos tehtiin kilpailun toiseen tilaan (se on sittemmin tallennettu muualla tai korvattu), eikä sitä palauteta.</numerusform>
            <numerusform>%n kirjauslokin muutosta tehtiin kilpailun toiseen tilaan (se on sittemmin tallennettu muualla tai korvattu), eikä niitä palauteta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Siluetti Tiedostot (*.mrv);;Kaikki Tiedostot (*)</source>
        <translation>Siluettitiedostot (*.mrv);;Kaikki tiedostot (*)</translation>
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
        <translation>Avaa &amp;viimeisimpiä</translation>
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
        <translation>&amp;Vie</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Tul&amp;osta...</translation>
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
        <translation>&amp;Kirjausloki...</translation>
    </message>
    <message>
        <source>Se&amp;ttings</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Kieli</translation>
    </message>
    <message>
        <source>The language changes when Marvola is started next time.</source>
        <translation>Kieli vaihtuu, kun Marvola käynnistetään seuraavan kerran.</translation>
    </message>
    <message>
        <source>Find by name, club or number</source>
        <translation>Hae nimellä, seuralla tai numerolla</translation>
    </message>
    <message>
        <source>Load old version files</source>
        <translation>Lataa vanhan version tiedostoja</translation>
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
        <translation>Avaa tiedosto</translation>
    </message>
    <message>
        <source>Eipä ole montaa tulosta tallennettavana.</source>
        <translation>Eipä ole montaa tulosta tallennettavana.</translation>
    </message>
    <message>
        <source>Talleta tiedosto</source>
        <translation>Tallenna tiedosto</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Tallennettu %1</translation>
    </message>
    <message>
        <source>Exporttaa tiedosto</source>
        <translation>Vie tiedosto</translation>
    </message>
    <message>
        <source>csv tiedostot (*.csv)</source>
        <translation>CSV-tiedostot (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n CSV files to %1: %2</source>
        <translation>
            <numerusform>Viety %n CSV-tiedosto kansioon %1: %2</numerusform>
            <numerusform>Viety %n CSV-tiedostoa kansioon %1: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries look wrong. Continue?</source>
        <translation>
            <numerusform>%n tulos näyttää virheelliseltä. Jatketaanko?</numerusform>
            <numerusform>%n tulosta näyttää virheelliseltä. Jatketaanko?</numerusform>
        </translation>
    </message>
    <message>
        <source>Show list</source>
        <translation>Näytä luettelo</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Järjestelmän kieli</translation>
    </message>
    <message>
        <source>This version is early beta. If you find any bugs please report to: %1</source>
        <translation>Tämä versio on varhainen beta. Jos löydät virheitä, ilmoita niistä osoitteeseen: %1</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in another window (%2). Open it read-only?</source>
        <translation>Kilpailu %1 on avattu muokattavaksi toisessa ikkunassa (%2). Avataanko se vain luettavaksi?</translation>
    </message>
    <message>
        <source>Save anyway?</source>
        <translation>Tallennetaanko silti?</translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (vain luku)</translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match and are not restored.</source>
        <translation>
            <numerusform>%n kirjauslokin muutos tehtiin kilpailun toiseen tilaan, eikä sitä palauteta.</numerusform>
            <numerusform>%n kirjauslokin muutosta tehtiin kilpailun toiseen tilaan, eikä niitä palauteta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 ja %n muu</numerusform>
            <numerusform>%1 ja %n muuta</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry made after the last save, at %1, was not saved: %2. Restore it?</source>
        <translation>1 viimeisen tallennuksen jälkeen klo %1 tehty kirjaus jäi tallentamatta: %2. Palautetaanko se?</translation>
    </message>
    <message>
        <source>1 entry made after the last save was not saved: %1. Restore it?</source>
        <translation>1 viimeisen tallennuksen jälkeen tehty kirjaus jäi tallentamatta: %1. Palautetaanko se?</translation>
    </message>
    <message numerus="yes">
        <source>%n entries made after the last save were not saved (the last at %1): %2. Restore them?</source>
        <translation>
            <numerusform>%n viimeisen tallennuksen jälkeen tehty kirjaus jäi tallentamatta (klo %1): %2. Palautetaanko se?</numerusform>
            <numerusform>%n viimeisen tallennuksen jälkeen tehtyä kirjausta jäi tallentamatta (viimeisin klo %1): %2. Palautetaanko ne?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries made after the last save were not saved: %1. Restore them?</source>
        <translation>
            <numerusform>%n viimeisen tallennuksen jälkeen tehty kirjaus jäi tallentamatta: %1. Palautetaanko se?</numerusform>
            <numerusform>%n viimeisen tallennuksen jälkeen tehtyä kirjausta jäi tallentamatta: %1. Palautetaanko ne?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored from the entry log: %1.</source>
        <translation>
            <numerusform>%n kirjaus palautettiin kirjauslokista: %1.</numerusform>
            <numerusform>%n kirjausta palautettiin kirjauslokista: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The match has unsaved changes. Save them before closing?</source>
        <translation>Kilpailussa on tallentamattomia muutoksia. Tallennetaanko ne ennen sulkemista?</translation>
    </message>
    <message>
        <source>Date: %1 - %2</source>
        <translation>Päivämäärä: %1 - %2</translation>
    </message>
    <message>
        <source> real date--&gt;%1</source>
        <translation> todellinen päivämäärä--&gt;%1</translation>
    </message>
    <message>
        <source>Club: %1</source>
        <translation>Seura: %1</translation>
    </message>
    <message>
        <source>Place: %1</source>
        <translation>Paikka: %1</translation>
    </message>
    <message>
        <source>Match Director: %1</source>
        <translation>Kilpailunjohtaja: %1</translation>
    </message>
    <message>
        <source>Kilpailut ovat ennätyskelpoiset </source>
        <translation>Kilpailut ovat ennätyskelpoiset</translation>
    </message>
    <message>
        <source>Kilpailut eivät ole ennätyskelpoiset </source>
        <translation>Kilpailut eivät ole ennätyskelpoiset</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <source>No competitors yet. Open a match with File &gt; Open, or start a new one: enter the match information under Match and add competitors under Competitors &gt; Add/Modify.</source>
        <translation>Kilpailijoita ei vielä ole. Avaa kilpailu valinnalla Tiedosto &gt; Avaa tai aloita uusi: kirjoita kilpailun tiedot kohdassa Kilpailu ja lisää kilpailijat valinnalla Kilpailijat &gt; Lisää/muokkaa.</translation>
    </message>
    <message>
        <source>I&amp;mport competitors...</source>
        <translation>Tuo &amp;kilpailijat...</translation>
    </message>
    <message>
        <source>Import competitors</source>
        <translation>Tuo kilpailijat</translation>
    </message>
    <message>
        <source>Competitor lists (*.csv *.xlsx *.txt);;All files (*)</source>
        <translation>Kilpailijaluettelot (*.csv *.xlsx *.txt);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Shooter &amp;register...</source>
        <translation>Ampuja&amp;rekisteri...</translation>
    </message>
    <message>
        <source>&amp;Shoot-offs needed</source>
        <translation>Tarvittavat &amp;uusinnat</translation>
    </message>
    <message>
        <source>Export competitors</source>
        <translation>Vie kilpailijat</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;Excel workbooks (*.xlsx)</source>
        <translation>CSV-tiedostot (*.csv);;Excel-työkirjat (*.xlsx)</translation>
    </message>
    <message>
        <source>Competitor list written to %1.</source>
        <translation>Kilpailijaluettelo kirjoitettu tiedostoon %1.</translation>
    </message>
    <message>
        <source>Expor&amp;t competitors...</source>
        <translation>Vie kilpail&amp;ijat...</translation>
    </message>
    <message>
        <source>A&amp;dd results to the register</source>
        <translation>Li&amp;sää tulokset rekisteriin</translation>
    </message>
    <message>
        <source>Export &amp;workbook...</source>
        <translation>Vie t&amp;yökirja...</translation>
    </message>
    <message>
        <source>Result s&amp;heets...</source>
        <translation>Tulosarkit a&amp;mpujille...</translation>
    </message>
    <message>
        <source>Mai&amp;l result sheets...</source>
        <translation>Lähetä tulosarkit sä&amp;hköpostilla...</translation>
    </message>
    <message>
        <source>Score &amp;cards...</source>
        <translation>&amp;Pistekortit...</translation>
    </message>
    <message>
        <source>&amp;Relays...</source>
        <translation>&amp;Erät...</translation>
    </message>
    <message>
        <source>&amp;Post results...</source>
        <translation>&amp;Julkaise tulokset...</translation>
    </message>
    <message>
        <source>Declare &amp;official...</source>
        <translation>&amp;Vahvista viralliseksi...</translation>
    </message>
    <message>
        <source>Reope&amp;n lists...</source>
        <translation>&amp;Avaa listat uudelleen...</translation>
    </message>
    <message>
        <source>Export workbook</source>
        <translation>Vie työkirja</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-työkirjat (*.xlsx)</translation>
    </message>
    <message>
        <source>Workbook written to %1.</source>
        <translation>Työkirja kirjoitettu: %1.</translation>
    </message>
    <message>
        <source>Result sheets written to %1.</source>
        <translation>Tulosarkit kirjoitettu tiedostoon %1.</translation>
    </message>
</context>
<context>
    <name>marvola::MatchInfoDialog</name>
    <message>
        <source>Match Info</source>
        <translation>Kilpailun tiedot</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Seura</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Taso</translation>
    </message>
    <message>
        <source>Match Director</source>
        <translation>Kilpailunjohtaja</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Disciplines and shots</source>
        <translation>Lajit ja laukaukset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>marvola::MatchSession</name>
    <message>
        <source>another program</source>
        <translation>toinen ohjelma</translation>
    </message>
    <message>
        <source>process %1 on %2</source>
        <translation>prosessi %1 koneella %2</translation>
    </message>
    <message>
        <source>an unknown computer</source>
        <translation>tuntematon tietokone</translation>
    </message>
    <message>
        <source>The match %1 is open for writing in another window (%2).</source>
        <translation>Kilpailu %1 on avattu muokattavaksi toisessa ikkunassa (%2).</translation>
    </message>
    <message>
        <source>The match %1 is open read-only: save it under another name.</source>
        <translation>Kilpailu %1 on avattu vain luettavaksi: tallenna se toisella nimellä.</translation>
    </message>
    <message>
        <source>The match %1 was changed on disk since it was opened or saved here, by another program or computer. Saving replaces those changes.</source>
        <translation>Kilpailua %1 on muutettu levyllä sen jälkeen, kun se avattiin tai tallennettiin tässä, toisessa ohjelmassa tai tietokoneessa. Tallennus korvaa ne muutokset.</translation>
    </message>
    <message>
        <source>The entry log %1 was removed; a new one holds the changes not saved.</source>
        <translation>Kirjausloki %1 poistettiin; uusi loki sisältää tallentamattomat muutokset.</translation>
    </message>
    <message>
        <source>team %1</source>
        <translation>joukkue %1</translation>
    </message>
    <message>
        <source>match information</source>
        <translation>kilpailun tiedot</translation>
    </message>
    <message>
        <source>relays</source>
        <translation>erät</translation>
    </message>
    <message>
        <source>status of %1</source>
        <translation>listan %1 tila</translation>
    </message>
</context>
<context>
    <name>marvola::NewCompetitorDialog</name>
    <message>
        <source>New Competitor</source>
        <translation>Uusi kilpailija</translation>
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
        <source>Nationality</source>
        <translation>Kansallisuus</translation>
    </message>
    <message>
        <source>Kilpailijarekisteri täynnä!?! (Max. 500).</source>
        <translation>Kilpailijarekisteri täynnä!?! (Max. 500).</translation>
    </message>
    <message>
        <source>This name is already in use</source>
        <translation>Nimi on jo käytössä</translation>
    </message>
    <message>
        <source>Name is not valid.</source>
        <translation>Nimi ei kelpaa.</translation>
    </message>
    <message>
        <source>Type a name or a member number to find the shooter in the shooter register</source>
        <translation>Kirjoita nimi tai jäsennumero löytääksesi ampujan ampujarekisteristä</translation>
    </message>
</context>
<context>
    <name>marvola::NewTeamDialog</name>
    <message>
        <source>Joukkuerekisteri täynnä!?! (Max. 100).</source>
        <translation>Joukkuerekisteri täynnä!?! (Max. 100).</translation>
    </message>
    <message>
        <source>This name is already in use.</source>
        <translation>Nimi on jo käytössä.</translation>
    </message>
    <message>
        <source>Name is not valid.</source>
        <translation>Nimi ei kelpaa.</translation>
    </message>
    <message>
        <source>New Team</source>
        <translation>Uusi joukkue</translation>
    </message>
</context>
<context>
    <name>marvola::PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message>
        <source>Clear selection</source>
        <translation>Tyhjennä valinnat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Adobe Acrobat (PDF)</source>
        <translation>Adobe Acrobat (PDF)</translation>
    </message>
    <message>
        <source>Web Page (HTML)</source>
        <translation>Verkkosivu (HTML)</translation>
    </message>
    <message>
        <source>Standing</source>
        <translation>Pystyasento</translation>
    </message>
    <message>
        <source>Relays</source>
        <translation>Erät</translation>
    </message>
</context>
<context>
    <name>marvola::Prompts</name>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Älä tallenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>marvola::RegisterFileDialog</name>
    <message>
        <source>Shooter Register</source>
        <translation>Ampujarekisteri</translation>
    </message>
    <message>
        <source>The shooter register&apos;s file. A file on the club&apos;s shared folder lets every computer of the club use the same register. A missing file is made.</source>
        <translation>Ampujarekisterin tiedosto. Seuran jaetussa kansiossa oleva tiedosto antaa seuran kaikkien tietokoneiden käyttää samaa rekisteriä. Puuttuva tiedosto luodaan.</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Tiedosto:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Selaa...</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Oletus</translation>
    </message>
    <message>
        <source>Shooter register</source>
        <translation>Ampujarekisteri</translation>
    </message>
    <message>
        <source>Shooter registers (*.sqlite);;All files (*)</source>
        <translation>Ampujarekisterit (*.sqlite);;Kaikki tiedostot (*)</translation>
    </message>
</context>
<context>
    <name>marvola::RelayDrawDialog</name>
    <message>
        <source>Trial draw</source>
        <translation>Koearvonta</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Siemenluku:</translation>
    </message>
    <message>
        <source>Draw &amp;again</source>
        <translation>Arvo &amp;uudelleen</translation>
    </message>
    <message>
        <source>&amp;New seed</source>
        <translation>Uusi siemen&amp;luku</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Unmet rule</source>
        <translation>Täyttymätön sääntö</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>&amp;Käytä</translation>
    </message>
    <message>
        <source>not placed: %1</source>
        <translation>ei sijoitettu: %1</translation>
    </message>
    <message>
        <source>Seed %1: %2 entries placed, %3 not placed, %4 places break a hard rule. Apply puts these places into the match; locked places stay as they are.</source>
        <translation>Siemenluku %1: %2 lajisuoritusta sijoitettu, %3 sijoittamatta, %4 paikkaa rikkoo ehdotonta sääntöä. Käytä vie nämä paikat kilpailuun; lukitut paikat pysyvät ennallaan.</translation>
    </message>
</context>
<context>
    <name>marvola::RelayPlacesView</name>
    <message>
        <source>Point</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
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
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Lukittu</translation>
    </message>
    <message>
        <source>Breaks a rule</source>
        <translation>Rikkoo sääntöä</translation>
    </message>
    <message>
        <source>Relay %1   %2-%3   %4   %5/%6 points taken</source>
        <translation>Erä %1   %2-%3   %4   %5/%6 paikkaa käytössä</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>lukittu</translation>
    </message>
    <message>
        <source>Relay %1 is not in the plan</source>
        <translation>Erä %1 ei ole suunnitelmassa</translation>
    </message>
    <message>
        <source>Not placed</source>
        <translation>Sijoittamatta</translation>
    </message>
</context>
<context>
    <name>marvola::RelaysWindow</name>
    <message>
        <source>Relays</source>
        <translation>Erät</translation>
    </message>
    <message>
        <source>&amp;Places</source>
        <translation>&amp;Paikat</translation>
    </message>
    <message>
        <source>P&amp;lan</source>
        <translation>S&amp;uunnitelma</translation>
    </message>
    <message>
        <source>Cards &amp;not returned</source>
        <translation>Palauttamatta olevat &amp;kortit</translation>
    </message>
    <message>
        <source>To &amp;relay:</source>
        <translation>&amp;Erään:</translation>
    </message>
    <message>
        <source>p&amp;oint:</source>
        <translation>pa&amp;ikka:</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>Siir&amp;rä</translation>
    </message>
    <message>
        <source>S&amp;wap</source>
        <translation>&amp;Vaihda</translation>
    </message>
    <message>
        <source>Swaps the two selected places: two competitors, or a competitor and an empty point (Ctrl+W)</source>
        <translation>Vaihtaa kaksi valittua paikkaa: kaksi kilpailijaa tai kilpailijan ja tyhjän paikan (Ctrl+W)</translation>
    </message>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Lukitse</translation>
    </message>
    <message>
        <source>A locked place stays where it is when the relays are drawn again (Ctrl+L)</source>
        <translation>Lukittu paikka pysyy paikallaan, kun erät arvotaan uudelleen (Ctrl+L)</translation>
    </message>
    <message>
        <source>&amp;Draw...</source>
        <translation>&amp;Arvo...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Kum&amp;oa</translation>
    </message>
    <message>
        <source>Takes back the last change (Ctrl+Z)</source>
        <translation>Peruu viimeisimmän muutoksen (Ctrl+Z)</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Tee uu&amp;delleen</translation>
    </message>
    <message>
        <source>Makes the last change taken back again (Ctrl+Shift+Z)</source>
        <translation>Tekee viimeksi perutun muutoksen uudelleen (Ctrl+Shift+Z)</translation>
    </message>
    <message>
        <source>Each relay shoots its disciplines (codes separated by blanks) from its start for its minutes, from its firing points. Relays of different disciplines may run at the same time on different ranges.</source>
        <translation>Kukin erä ampuu lajinsa (tunnukset välilyönnein erotettuina) alkuajastaan minuuttiensa ajan ampumapaikoiltaan. Eri lajien erät voivat olla samaan aikaan eri radoilla.</translation>
    </message>
    <message>
        <source>Relay</source>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Lajit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuutit</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Paikat</translation>
    </message>
    <message>
        <source>&amp;Add relay</source>
        <translation>&amp;Lisää erä</translation>
    </message>
    <message>
        <source>Re&amp;move relay</source>
        <translation>Poista &amp;erä</translation>
    </message>
    <message>
        <source>Read &amp;from file...</source>
        <translation>Lue &amp;tiedostosta...</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Päättyi</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Paikka</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
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
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>%1 places in %2 relays.</source>
        <translation>%1 paikkaa %2 erässä.</translation>
    </message>
    <message>
        <source>No place breaks a hard rule.</source>
        <translation>Mikään paikka ei riko ehdotonta sääntöä.</translation>
    </message>
    <message>
        <source>Places that break a hard rule: %1, in red with the reason. They stay until the official moves them.</source>
        <translation>Ehdotonta sääntöä rikkovia paikkoja: %1, punaisella syineen. Ne pysyvät, kunnes toimitsija siirtää ne.</translation>
    </message>
    <message>
        <source>At %1, cards not returned from the relays that have ended: %2.</source>
        <translation>Klo %1 päättyneistä eristä palauttamatta olevia kortteja: %2.</translation>
    </message>
    <message>
        <source>The relay was not changed: %1.</source>
        <translation>Erää ei muutettu: %1.</translation>
    </message>
    <message>
        <source>Read relay plan</source>
        <translation>Lue eräsuunnitelma</translation>
    </message>
    <message>
        <source>Relay plans (*.csv);;All files (*)</source>
        <translation>Eräsuunnitelmat (*.csv);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>The plan was not read; nothing changed.
%1</source>
        <translation>Suunnitelmaa ei luettu; mitään ei muutettu.
%1</translation>
    </message>
    <message>
        <source>The plan has no relays yet: add them on the Plan page.</source>
        <translation>Suunnitelmassa ei ole vielä eriä: lisää ne Suunnitelma-sivulla.</translation>
    </message>
    <message>
        <source>Drawn with seed %1.</source>
        <translation>Arvottu siemenluvulla %1.</translation>
    </message>
    <message>
        <source>Unloc&amp;k</source>
        <translation>Vapau&amp;ta</translation>
    </message>
    <message>
        <source>Choose a competitor&apos;s line to move.</source>
        <translation>Valitse siirrettävän kilpailijan rivi.</translation>
    </message>
    <message>
        <source>%1 %2 moved to relay %3, point %4.</source>
        <translation>%1 %2 siirretty erään %3, paikalle %4.</translation>
    </message>
    <message>
        <source>Select two competitors, or a competitor and an empty point, to swap.</source>
        <translation>Valitse vaihdettavaksi kaksi kilpailijaa tai kilpailija ja tyhjä paikka.</translation>
    </message>
    <message>
        <source>Places swapped.</source>
        <translation>Paikat vaihdettu.</translation>
    </message>
    <message>
        <source>Select the placed competitors to lock or unlock.</source>
        <translation>Valitse lukittavat tai vapautettavat sijoitetut kilpailijat.</translation>
    </message>
    <message>
        <source>Locked: a draw leaves these places as they are.</source>
        <translation>Lukittu: arvonta jättää nämä paikat ennalleen.</translation>
    </message>
    <message>
        <source>Unlocked.</source>
        <translation>Vapautettu.</translation>
    </message>
</context>
<context>
    <name>marvola::ReportOutput</name>
    <message>
        <source>Esikatselu</source>
        <translation>Esikatselu</translation>
    </message>
</context>
<context>
    <name>marvola::ReportOutputDialog</name>
    <message>
        <source>Tulostusvalinnat</source>
        <translation>Tulostusvalinnat</translation>
    </message>
    <message>
        <source>Report Destination</source>
        <translation>Tulosteen kohde</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Tulostin</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Esikatselu</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tiedosto</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Selaa...</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Muoto</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Tiedoston nimi</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
</context>
<context>
    <name>marvola::ReportStatusWindow</name>
    <message>
        <source>Report Status</source>
        <translation>Tulostuksen tila</translation>
    </message>
    <message>
        <source>Generating page %p</source>
        <translation>Luodaan sivua %p</translation>
    </message>
    <message>
        <source>Printing page %p</source>
        <translation>Tulostetaan sivua %p</translation>
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
        <translation>Lopeta</translation>
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
        <translation>Luku on liian suuri</translation>
    </message>
    <message>
        <source>%1 is not a score card&apos;s code: it reads NUMBER/DISCIPLINE, as 123/BBPR.</source>
        <translation>%1 ei ole tuloskortin koodi: se on muotoa NUMERO/LAJI, kuten 123/BBPR.</translation>
    </message>
    <message>
        <source>No competitor has the number %1 (score card %2).</source>
        <translation>Kenelläkään kilpailijalla ei ole numeroa %1 (tuloskortti %2).</translation>
    </message>
    <message>
        <source>%1 is no discipline (score card %2).</source>
        <translation>%1 ei ole laji (tuloskortti %2).</translation>
    </message>
    <message>
        <source>Competitor %1 does not shoot %2 (score card %3).</source>
        <translation>Kilpailija %1 ei ammu lajia %2 (tuloskortti %3).</translation>
    </message>
</context>
<context>
    <name>marvola::ScoreCardsDialog</name>
    <message>
        <source>Score cards</source>
        <translation>Tuloskortit</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Esikatse&amp;lu</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tulosta...</translation>
    </message>
    <message>
        <source>P&amp;DF...</source>
        <translation>P&amp;DF...</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Kortit</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Kaikki</translation>
    </message>
    <message>
        <source>By &amp;relay:</source>
        <translation>&amp;Erän mukaan:</translation>
    </message>
    <message>
        <source>Relay %1, %2, %3</source>
        <translation>Erä %1, %2, %3</translation>
    </message>
    <message>
        <source>By c&amp;lub:</source>
        <translation>&amp;Seuran mukaan:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Paperi</translation>
    </message>
    <message>
        <source>A&amp;4, four cards to a sheet with cut lines</source>
        <translation>A&amp;4, neljä korttia arkille leikkausviivoin</translation>
    </message>
    <message>
        <source>A&amp;6, one card to a sheet</source>
        <translation>A&amp;6, yksi kortti arkille</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n kortti</numerusform>
            <numerusform>%n korttia</numerusform>
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
        <translation>&amp;Kaikki kilpailijat</translation>
    </message>
    <message>
        <source>C&amp;lub:</source>
        <translation>S&amp;eura:</translation>
    </message>
    <message>
        <source>C&amp;hosen competitors:</source>
        <translation>&amp;Valitut kilpailijat:</translation>
    </message>
</context>
<context>
    <name>marvola::SheetsDialog</name>
    <message>
        <source>Result sheets</source>
        <translation>Tulosarkit</translation>
    </message>
    <message>
        <source>Adobe Acrobat (PDF)</source>
        <translation>Adobe Acrobat (PDF)</translation>
    </message>
    <message>
        <source>A page per competitor, in the competitor&apos;s language where the shooter register has one.</source>
        <translation>Sivu kilpailijaa kohden, kilpailijan kielellä, jos ampujarekisterissä on sellainen.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tulosta...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>No competitor is chosen.</source>
        <translation>Yhtään kilpailijaa ei ole valittu.</translation>
    </message>
</context>
<context>
    <name>marvola::ShootOffsWindow</name>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Luokka</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Sijat</translation>
    </message>
    <message>
        <source>Competitors</source>
        <translation>Kilpailijat</translation>
    </message>
    <message>
        <source>Shoot-offs needed</source>
        <translation>Tarvittavat uusinnat</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Kokonaiskilpailu</translation>
    </message>
    <message>
        <source>No tie at a prize place waits for a shoot-off.</source>
        <translation>Yksikään palkintosijan tasatulos ei odota uusintaa.</translation>
    </message>
    <message>
        <source>Ties at prize places waiting for a shoot-off: %1. Press Enter or double-click a competitor to enter the shoot-off.</source>
        <translation>Uusintaa odottavia palkintosijojen tasatuloksia: %1. Syötä uusinta painamalla Enter tai kaksoisnapsauttamalla kilpailijaa.</translation>
    </message>
</context>
<context>
    <name>marvola::StationDesk</name>
    <message>
        <source>The match has no entry log: save the match first.</source>
        <translation>Kilpailulla ei ole kirjauslokia: tallenna kilpailu ensin.</translation>
    </message>
    <message>
        <source>The entry log cannot be written.</source>
        <translation>Kirjauslokiin ei voi kirjoittaa.</translation>
    </message>
    <message>
        <source>This station is not known or has been revoked.</source>
        <translation>Asemaa ei tunneta tai se on poistettu käytöstä.</translation>
    </message>
    <message>
        <source>There is no competitor %1.</source>
        <translation>Kilpailijaa %1 ei ole.</translation>
    </message>
    <message>
        <source>Competitor %1 is not entered in %2.</source>
        <translation>Kilpailija %1 ei ole ilmoittautunut lajiin %2.</translation>
    </message>
    <message>
        <source>%1 is not shot in this match.</source>
        <translation>Lajia %1 ei ammuta tässä kilpailussa.</translation>
    </message>
    <message>
        <source>A hit count must be 0 to %1 in %2.</source>
        <translation>Osumien määrän pitää olla 0–%1 lajissa %2.</translation>
    </message>
    <message>
        <source>The total must be 0 to %1 in %2.</source>
        <translation>Yhteistuloksen pitää olla 0–%1 lajissa %2.</translation>
    </message>
    <message>
        <source>There is no entry %1.</source>
        <translation>Merkintää %1 ei ole.</translation>
    </message>
    <message>
        <source>Entry %1 is not waiting for the office.</source>
        <translation>Merkintä %1 ei odota toimiston päätöstä.</translation>
    </message>
    <message>
        <source>The office cannot store entries: the match&apos;s entry log cannot be written.</source>
        <translation>Toimisto ei voi tallentaa tuloksia: kilpailun kirjauslokiin ei voi kirjoittaa.</translation>
    </message>
</context>
<context>
    <name>marvola::StationGate</name>
    <message>
        <source>A station request needs X-Station, X-Counter and X-Signature.</source>
        <translation>Aseman pyyntö tarvitsee otsakkeet X-Station, X-Counter ja X-Signature.</translation>
    </message>
    <message>
        <source>This station is not known or has been revoked.</source>
        <translation>Asemaa ei tunneta tai se on poistettu käytöstä.</translation>
    </message>
    <message>
        <source>The signature is wrong.</source>
        <translation>Allekirjoitus on väärä.</translation>
    </message>
    <message>
        <source>Too many requests from this station; send again soon.</source>
        <translation>Asemalta tulee liikaa pyyntöjä; lähetä pian uudelleen.</translation>
    </message>
    <message>
        <source>Name a discipline: ?discipline=BBPR.</source>
        <translation>Anna laji: ?discipline=BBPR.</translation>
    </message>
    <message>
        <source>The counter must be a whole number of 1 to 18 digits.</source>
        <translation>Laskurin on oltava kokonaisluku, jossa on 1–18 numeroa.</translation>
    </message>
    <message>
        <source>The counter has more digits than the office takes (18): pair the phone again.</source>
        <translation>Laskurissa on enemmän numeroita kuin toimisto ottaa (18): yhdistä puhelin asemaan uudelleen.</translation>
    </message>
</context>
<context>
    <name>marvola::StationsPanel</name>
    <message>
        <source>Scoring stations</source>
        <translation>Tulosasemat</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nimi:</translation>
    </message>
    <message>
        <source>Pistol bank 1</source>
        <translation>Pistoolipenkki 1</translation>
    </message>
    <message>
        <source>Disciplines:</source>
        <translation>Lajit:</translation>
    </message>
    <message>
        <source>BBPR,BBPC (empty: all)</source>
        <translation>BBPR,BBPC (tyhjä: kaikki)</translation>
    </message>
    <message>
        <source>Add station</source>
        <translation>Lisää asema</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Asema</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Tunnus</translation>
    </message>
    <message>
        <source>Disciplines</source>
        <translation>Lajit</translation>
    </message>
    <message>
        <source>Last contact</source>
        <translation>Viimeisin yhteys</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Merkinnät</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Odottaa</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Poista käytöstä</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Competitor</source>
        <translation>Kilpailija</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Station&apos;s result</source>
        <translation>Aseman tulos</translation>
    </message>
    <message>
        <source>Office&apos;s result</source>
        <translation>Toimiston tulos</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Keep the office&apos;s result</source>
        <translation>Pidä toimiston tulos</translation>
    </message>
    <message>
        <source>Take the station&apos;s result</source>
        <translation>Ota aseman tulos</translation>
    </message>
    <message>
        <source>Revoke the station %1? Its phone can send nothing more.</source>
        <translation>Poistetaanko asema %1 käytöstä? Sen puhelin ei voi enää lähettää mitään.</translation>
    </message>
    <message>
        <source>all</source>
        <translation>kaikki</translation>
    </message>
    <message>
        <source>never</source>
        <translation>ei koskaan</translation>
    </message>
    <message>
        <source>revoked</source>
        <translation>poistettu käytöstä</translation>
    </message>
    <message>
        <source>active</source>
        <translation>käytössä</translation>
    </message>
    <message>
        <source>Add a station, or choose one, to see its link.</source>
        <translation>Lisää asema tai valitse yksi nähdäksesi sen linkin.</translation>
    </message>
    <message>
        <source>%1 is revoked.</source>
        <translation>%1 on poistettu käytöstä.</translation>
    </message>
    <message>
        <source>Start the live results to see the link of %1.</source>
        <translation>Käynnistä live-tulokset nähdäksesi aseman %1 linkin.</translation>
    </message>
    <message>
        <source>%1: scan the code with the station&apos;s phone, or open this link on it:</source>
        <translation>%1: lue koodi aseman puhelimella tai avaa tämä linkki siinä:</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>tallennettu</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>ristiriita</translation>
    </message>
    <message>
        <source>office&apos;s result kept</source>
        <translation>toimiston tulos pidetty</translation>
    </message>
    <message>
        <source>station&apos;s result taken</source>
        <translation>aseman tulos otettu</translation>
    </message>
    <message>
        <source>awaiting a second entry</source>
        <translation>odottaa toista merkintää</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>täsmää</translation>
    </message>
    <message>
        <source>disagreement</source>
        <translation>erimielisyys</translation>
    </message>
    <message>
        <source>duplicate</source>
        <translation>kaksoiskappale</translation>
    </message>
    <message>
        <source>Two matching entries</source>
        <translation>Kaksi täsmäävää merkintää</translation>
    </message>
    <message>
        <source>A station&apos;s entry counts only when a second station or the office enters the same values; disagreements are flagged.</source>
        <translation>Aseman merkintä lasketaan vasta, kun toinen asema tai toimisto syöttää samat arvot; erot merkitään.</translation>
    </message>
</context>
<context>
    <name>marvola::TeamsDialog</name>
    <message>
        <source>Discipline</source>
        <translation>Laji</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Joukkue</translation>
    </message>
    <message>
        <source>Competitor 1</source>
        <translation>Kilpailija 1</translation>
    </message>
    <message>
        <source>Competitor 2</source>
        <translation>Kilpailija 2</translation>
    </message>
    <message>
        <source>Competitor 3</source>
        <translation>Kilpailija 3</translation>
    </message>
    <message>
        <source>At most 10 characters, the group word included when it fits after the name</source>
        <translation>Enintään 10 merkkiä; ryhmän nimi mukaan lukien, jos se mahtuu nimen perään</translation>
    </message>
    <message>
        <source>Team Name</source>
        <translation>Joukkueen nimi</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>%1 is also in team %2 of the same group.</source>
        <translation>%1 on myös saman ryhmän joukkueessa %2.</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Joukkueet</translation>
    </message>
    <message>
        <source>New Team</source>
        <translation>Uusi joukkue</translation>
    </message>
    <message>
        <source>Edit Team</source>
        <translation>Muokkaa joukkuetta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Team Discipline</source>
        <translation>Joukkueen laji</translation>
    </message>
    <message>
        <source>Standing</source>
        <translation>Pystyasento</translation>
    </message>
</context>
<context>
    <name>marvola::Toolkit</name>
    <message>
        <source>At most %1 characters</source>
        <translation>Enintään %1 merkkiä</translation>
    </message>
</context>
</TS>
