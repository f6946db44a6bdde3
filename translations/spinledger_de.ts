<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AmountText</name>
    <message>
        <source>Please enter numbers only.</source>
        <translation>Bitte nur Zahlen eingeben.</translation>
    </message>
    <message>
        <source>Invalid Amount. Max 3 chars.</source>
        <translation>Ungültiger Einsatz. Höchstens 3 Zeichen.</translation>
    </message>
</context>
<context>
    <name>Backtest</name>
    <message>
        <source>No scratch database in %1: %2</source>
        <translation>Keine Arbeitsdatenbank in %1: %2</translation>
    </message>
</context>
<context>
    <name>BackupFolder</name>
    <message>
        <source>%1 exists already</source>
        <translation>%1 gibt es schon</translation>
    </message>
    <message>
        <source>the copy failed its check (%1)</source>
        <translation>die Kopie hat die Prüfung nicht bestanden (%1)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>the backup cannot be opened: %1</source>
        <translation>die Sicherung lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>the backup is damaged</source>
        <translation>die Sicherung ist beschädigt</translation>
    </message>
    <message>
        <source>%1 cannot be kept beside the database</source>
        <translation>%1 lässt sich nicht neben der Datenbank aufbewahren</translation>
    </message>
    <message>
        <source>%1 cannot be replaced</source>
        <translation>%1 lässt sich nicht ersetzen</translation>
    </message>
</context>
<context>
    <name>CasinoStore</name>
    <message>
        <source>Another casino is already named &quot;%1&quot;: choose another name.</source>
        <translation>Ein anderes Casino heißt schon „%1“: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Unable to continue! Error Code:%1</source>
        <translation>Fortfahren nicht möglich! Fehlercode:%1</translation>
    </message>
</context>
<context>
    <name>CellPictures</name>
    <message>
        <source>EVEN</source>
        <translation>PAIR</translation>
    </message>
    <message>
        <source>ODD</source>
        <translation>IMPAIR</translation>
    </message>
    <message>
        <source>1 to 18</source>
        <translation>1 bis 18</translation>
    </message>
    <message>
        <source>19 to 36</source>
        <translation>19 bis 36</translation>
    </message>
    <message>
        <source>1st 12</source>
        <translation>1. 12</translation>
    </message>
    <message>
        <source>2nd 12</source>
        <translation>2. 12</translation>
    </message>
    <message>
        <source>3rd 12</source>
        <translation>3. 12</translation>
    </message>
    <message>
        <source>2 to 1</source>
        <translation>2 zu 1</translation>
    </message>
</context>
<context>
    <name>CoinLabels</name>
    <message>
        <source>Stake %1 is above the table maximum %2</source>
        <translation>Einsatz %1 liegt über dem Tischmaximum %2</translation>
    </message>
    <message>
        <source>Bet %1 here</source>
        <translation>Hier %1 setzen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [options]

%2 records the spins of a roulette table per casino and advises the next bets.

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
Qt&apos;s own options (-platform, -style, ...) are taken as well.

Files:
  %3  every casino, spin and setting

From a terminal: spinledger-cli --help (spinledger-cli where names every file)
</source>
        <translation>Aufruf: %1 [Optionen]

%2 zeichnet die Coups eines Roulettetisches je Casino auf und rät zu den nächsten Einsätzen.

Optionen:
  -h, --help     Diese Hilfe zeigen und beenden.
  -v, --version  Die Version zeigen und beenden.
Qts eigene Optionen (-platform, -style, ...) werden ebenfalls angenommen.

Dateien:
  %3  alle Casinos, Coups und Einstellungen

Im Terminal: spinledger-cli --help (spinledger-cli where nennt jede Datei)
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>(%1 --help lists the options)</source>
        <translation>(%1 --help listet die Optionen auf)</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>an empty key</source>
        <translation>ein leerer Schlüssel</translation>
    </message>
    <message>
        <source>the database is not open</source>
        <translation>die Datenbank ist nicht geöffnet</translation>
    </message>
    <message>
        <source>the database is in use by another program</source>
        <translation>ein anderes Programm benutzt die Datenbank</translation>
    </message>
</context>
<context>
    <name>DbReason</name>
    <message>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>the database file is damaged</source>
        <translation>die Datenbankdatei ist beschädigt</translation>
    </message>
    <message>
        <source>the file is no Spinledger database, or it is damaged at its start</source>
        <translation>die Datei ist keine Spinledger-Datenbank oder an ihrem Anfang beschädigt</translation>
    </message>
    <message>
        <source>the database file is read-only</source>
        <translation>die Datenbankdatei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the database file cannot be opened</source>
        <translation>die Datenbankdatei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>die Festplatte ließ sich nicht lesen oder beschreiben</translation>
    </message>
    <message>
        <source>access to the database file is not allowed</source>
        <translation>der Zugriff auf die Datenbankdatei ist nicht erlaubt</translation>
    </message>
    <message>
        <source>another program is using the database file</source>
        <translation>ein anderes Programm benutzt die Datenbankdatei</translation>
    </message>
    <message>
        <source>the computer is out of memory</source>
        <translation>der Arbeitsspeicher des Computers ist erschöpft</translation>
    </message>
    <message>
        <source>the database file is too large for this system</source>
        <translation>die Datenbankdatei ist zu groß für dieses System</translation>
    </message>
    <message>
        <source>a value is too large for the database</source>
        <translation>ein Wert ist zu groß für die Datenbank</translation>
    </message>
    <message>
        <source>the database file was changed by another program</source>
        <translation>die Datenbankdatei wurde von einem anderen Programm geändert</translation>
    </message>
    <message>
        <source>the database file does not hold what Spinledger expects</source>
        <translation>die Datenbankdatei enthält nicht, was Spinledger erwartet</translation>
    </message>
    <message>
        <source>the database file is missing</source>
        <translation>die Datenbankdatei fehlt</translation>
    </message>
    <message>
        <source>the database file is empty (0 bytes)</source>
        <translation>die Datenbankdatei ist leer (0 Byte)</translation>
    </message>
    <message>
        <source>the database file is still being checked; try again in a moment</source>
        <translation>die Datenbankdatei wird noch geprüft; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>the database file was written by a newer version of Spinledger, which this one cannot use</source>
        <translation>die Datenbankdatei stammt von einer neueren Spinledger-Version, die diese nicht lesen kann</translation>
    </message>
    <message>
        <source>a change to the database file did not end, and only a program that may write the file can undo it</source>
        <translation>eine Änderung der Datenbankdatei wurde nicht beendet, und nur ein Programm, das die Datei schreiben darf, kann sie rückgängig machen</translation>
    </message>
</context>
<context>
    <name>DesktopUrlOpener</name>
    <message>
        <source>Not opened: only web and mail addresses are opened, not &quot;%1:&quot;.</source>
        <translation>Nicht geöffnet: Nur Web- und E-Mail-Adressen werden geöffnet, nicht „%1:“.</translation>
    </message>
</context>
<context>
    <name>ErrorCodes</name>
    <message>
        <source>Unable to continue! Error Code: (%1)</source>
        <translation>Fortfahren nicht möglich! Fehlercode: (%1)</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Please wait..</source>
        <translation>Bitte warten..</translation>
    </message>
    <message>
        <source>Please select a casino from the list.</source>
        <translation>Bitte wählen Sie ein Casino aus der Liste.</translation>
    </message>
    <message>
        <source>Analyze &apos;%1&apos;..</source>
        <translation>Analysiere „%1“..</translation>
    </message>
</context>
<context>
    <name>FigureFormat</name>
    <message>
        <source>all spins</source>
        <translation>alle Coups</translation>
    </message>
    <message>
        <source>the last %1 spins</source>
        <translation>die letzten %1 Coups</translation>
    </message>
    <message>
        <source>this session (since %1)</source>
        <translation>diese Sitzung (seit %1)</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>since %1</source>
        <translation>seit %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>%1 (none of %2 spins)</source>
        <translation>%1 (keiner von %2 Coups)</translation>
    </message>
    <message>
        <source>%1 (spins %2 to %3 of %4)</source>
        <translation>%1 (Coups %2 bis %3 von %4)</translation>
    </message>
    <message>
        <source>not enough judged spins</source>
        <translation>zu wenige bewertete Coups</translation>
    </message>
    <message>
        <source>no evidence that the advice beats chance</source>
        <translation>kein Beleg, dass der Rat den Zufall schlägt</translation>
    </message>
    <message>
        <source>beats chance (%1) — still below break-even</source>
        <translation>schlägt den Zufall (%1) — noch unter der Gewinnschwelle</translation>
    </message>
    <message>
        <source>beats chance (%1) — and above break-even</source>
        <translation>schlägt den Zufall (%1) — und über der Gewinnschwelle</translation>
    </message>
    <message>
        <source>mini wheel</source>
        <translation>Mini-Kessel</translation>
    </message>
    <message>
        <source>38-pocket wheel</source>
        <translation>Kessel mit 38 Fächern</translation>
    </message>
    <message>
        <source>%1 pockets in play (00 enabled)</source>
        <translation>%1 Zahlen im Spiel (00 eingeschaltet)</translation>
    </message>
    <message>
        <source>%1 pockets in play (00 switched off)</source>
        <translation>%1 Zahlen im Spiel (00 ausgeschaltet)</translation>
    </message>
    <message>
        <source>needs at least %1 spins</source>
        <translation>braucht mindestens %1 Coups</translation>
    </message>
    <message>
        <source>Type your stake amount on the wheel&apos;s board: doubling starts from it.</source>
        <translation>Tippen Sie Ihren Einsatz auf dem Tableau des Kessels ein: Die Verdopplung beginnt bei ihm.</translation>
    </message>
    <message>
        <source>Type the table maximum to see what doubling risks.</source>
        <translation>Tippen Sie das Tischmaximum ein, um zu sehen, was die Verdopplung riskiert.</translation>
    </message>
    <message>
        <source>The stake amount is above the table maximum or the bankroll: no series fits.</source>
        <translation>Der Einsatz liegt über dem Tischmaximum oder dem Spielkapital: Keine Reihe passt.</translation>
    </message>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>every time</source>
        <translation>jedes Mal</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 von %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>table max</source>
        <translation>Tischmaximum</translation>
    </message>
    <message>
        <source>bankroll</source>
        <translation>Spielkapital</translation>
    </message>
</context>
<context>
    <name>Installation</name>
    <message>
        <source>Loading (sId)..</source>
        <translation>Lade (sId)..</translation>
    </message>
    <message>
        <source>Loading (ldb)..</source>
        <translation>Lade (ldb)..</translation>
    </message>
</context>
<context>
    <name>MoneyAxis</name>
    <message>
        <source>log scale</source>
        <translation>logarithmische Skala</translation>
    </message>
</context>
<context>
    <name>Salvage</name>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei ließ sich nicht schreiben: %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Write the copy to this file instead of the backups folder.</source>
        <translation>Die Kopie in diese Datei statt in den Sicherungsordner schreiben.</translation>
    </message>
    <message>
        <source>no backup written: %1</source>
        <translation>keine Sicherung geschrieben: %1</translation>
    </message>
    <message>
        <source>Backup written to %1</source>
        <translation>Sicherung nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Copy the database into its backups folder (or --out FILE), checked.</source>
        <translation>Die Datenbank geprüft in ihren Sicherungsordner kopieren (oder nach --out DATEI).</translation>
    </message>
    <message>
        <source>No backups in %1</source>
        <translation>Keine Sicherungen in %1</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>erstellt</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>R spins</source>
        <translation>R-Coups</translation>
    </message>
    <message>
        <source>M spins</source>
        <translation>M-Coups</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>List the backups of the database, newest first, with their spins.</source>
        <translation>Die Sicherungen der Datenbank mit ihren Coups auflisten, die neueste zuerst.</translation>
    </message>
    <message>
        <source>%1: the database file is missing</source>
        <translation>%1: die Datenbankdatei fehlt</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 is damaged:</source>
        <translation>%1 ist beschädigt:</translation>
    </message>
    <message>
        <source>%1 is sound</source>
        <translation>%1 ist in Ordnung</translation>
    </message>
    <message>
        <source>Check the database file for damage (exit 0 sound, 1 damaged).</source>
        <translation>Die Datenbankdatei auf Schäden prüfen (Ende 0: in Ordnung, 1: beschädigt).</translation>
    </message>
    <message>
        <source>From a damaged database: every spin row that can still be read, in order (--casino optional, by its id).</source>
        <translation>Aus einer beschädigten Datenbank: jede Coup-Zeile, die sich noch lesen lässt, der Reihe nach (--casino wahlweise, mit seiner Nummer).</translation>
    </message>
    <message>
        <source>--casino takes the casino&apos;s id with --salvage</source>
        <translation>--casino erwartet mit --salvage die Nummer des Casinos</translation>
    </message>
    <message>
        <source>Salvaged %1 spins of the %2 wheel%3; %4 rows could not be read</source>
        <translation>%1 Coups des Kessels %2 gerettet%3; %4 Zeilen ließen sich nicht lesen</translation>
    </message>
    <message>
        <source> to %1</source>
        <translation> nach %1</translation>
    </message>
    <message>
        <source>Spinledger is open on %1: close its window first</source>
        <translation>Spinledger hat %1 geöffnet: Schließen Sie zuerst sein Fenster</translation>
    </message>
    <message>
        <source>no backup %1</source>
        <translation>keine Sicherung %1</translation>
    </message>
    <message>
        <source>spinledger-cli: no backup before the restore: %1</source>
        <translation>spinledger-cli: keine Sicherung vor der Wiederherstellung: %1</translation>
    </message>
    <message>
        <source>nothing restored: %1</source>
        <translation>nichts wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Restored %1 into %2</source>
        <translation>%1 nach %2 wiederhergestellt</translation>
    </message>
    <message>
        <source>The file that was in use is kept as %1</source>
        <translation>Die bisher benutzte Datei bleibt als %1 erhalten</translation>
    </message>
    <message>
        <source>Put a backup in place of the database (the window must be closed).</source>
        <translation>Eine Sicherung an die Stelle der Datenbank setzen (das Fenster muss geschlossen sein).</translation>
    </message>
    <message>
        <source>%1: the database file is damaged; nothing was written (spinledger-cli check tells what, spinledger-cli backups lists the copies to restore)</source>
        <translation>%1: die Datenbankdatei ist beschädigt; nichts wurde geschrieben (spinledger-cli check sagt, was, spinledger-cli backups listet die Kopien zum Wiederherstellen)</translation>
    </message>
    <message>
        <source>no backup was taken: %1</source>
        <translation>es wurde keine Sicherung erstellt: %1</translation>
    </message>
    <message>
        <source>--file FILE is required</source>
        <translation>--file DATEI ist erforderlich</translation>
    </message>
    <message>
        <source>--amount needs a positive amount such as 10 or 2.5, not &apos;%1&apos;</source>
        <translation>--amount braucht einen positiven Betrag wie 10 oder 2.5, nicht „%1“</translation>
    </message>
    <message>
        <source>--zero00 needs on or off, not &apos;%1&apos;</source>
        <translation>--zero00 braucht on oder off, nicht „%1“</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to %1, not &apos;%2&apos;</source>
        <translation>--seed braucht eine ganze Zahl von 0 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>Backtest of %1 (seed %2)</source>
        <translation>Rückrechnung von %1 (Startwert %2)</translation>
    </message>
    <message>
        <source>00 switched on: %1 holds 00 (--zero00 off refuses such a file).
</source>
        <translation>00 eingeschaltet: %1 enthält 00 (--zero00 off lehnt eine solche Datei ab).
</translation>
    </message>
    <message>
        <source>Statistics of a spin file played in memory; no database of yours is opened.</source>
        <translation>Statistik einer Coup-Datei, im Speicher gespielt; keine Ihrer Datenbanken wird geöffnet.</translation>
    </message>
    <message>
        <source>The spin file, as import takes it (- for standard input).</source>
        <translation>Die Coup-Datei, wie import sie nimmt (- für die Standardeingabe).</translation>
    </message>
    <message>
        <source>Base stake: the stake after a win (default: %1, so results read in base stakes).</source>
        <translation>Grundeinsatz: der Einsatz nach einem Gewinn (Vorgabe: %1, Ergebnisse also in Grundeinsätzen).</translation>
    </message>
    <message>
        <source>The wheel&apos;s 00 (default: on when the file holds a 00, else off).</source>
        <translation>Die 00 des Kessels (Vorgabe: an, wenn die Datei eine 00 enthält, sonst aus).</translation>
    </message>
    <message>
        <source>Seed of the random tie-breaks of the advice (default: %1; the same seed gives the same figures).</source>
        <translation>Startwert der zufälligen Entscheidungen bei Gleichstand (Vorgabe: %1; derselbe Startwert ergibt dieselben Zahlen).</translation>
    </message>
    <message>
        <source>List the casinos with their spins on each wheel.</source>
        <translation>Die Casinos mit ihren Coups auf jedem Kessel auflisten.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>
Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.

%1 COMMAND --help shows the options of a command.
</source>
        <translation>
Optionen:
  -h, --help     Diese Hilfe zeigen und beenden.
  -v, --version  Die Version zeigen und beenden.

%1 BEFEHL --help zeigt die Optionen eines Befehls.
</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>no command given (%1 --help lists them)</source>
        <translation>kein Befehl angegeben (%1 --help listet sie auf)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (%2 --help lists them)</source>
        <translation>unbekannter Befehl „%1“ (%2 --help listet sie auf)</translation>
    </message>
    <message>
        <source>Table maximum for the doubling risk and the table limit (default: %1).</source>
        <translation>Tischmaximum für das Verdopplungsrisiko und das Tischlimit (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>Bankroll for the doubling risk and the table limit (default: %1).</source>
        <translation>Spielkapital für das Verdopplungsrisiko und das Tischlimit (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>Number of doubling series N (default: %1).</source>
        <translation>Anzahl N der Verdopplungsreihen (Vorgabe: %1).</translation>
    </message>
    <message>
        <source>--%1 needs a positive amount such as 500 or 2.5, not &apos;%2&apos;</source>
        <translation>--%1 braucht einen positiven Betrag wie 500 oder 2.5, nicht „%2“</translation>
    </message>
    <message>
        <source>--series needs a whole number of at least 1, not &apos;%1&apos;</source>
        <translation>--series braucht eine ganze Zahl ab 1, nicht „%1“</translation>
    </message>
    <message>
        <source>Write the CSV to this file (default: standard output).</source>
        <translation>Die CSV-Datei hierhin schreiben (Vorgabe: Standardausgabe).</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Exported %1 spins of casino &apos;%2&apos; (%3 wheel) to %4
</source>
        <translation>%1 Coups von Casino „%2“ (Kessel %3) nach %4 exportiert
</translation>
    </message>
    <message>
        <source>Write a casino&apos;s spins of one wheel as a CSV file.</source>
        <translation>Die Coups eines Casinos auf einem Kessel als CSV-Datei schreiben.</translation>
    </message>
    <message>
        <source>--undo-last takes no FILE</source>
        <translation>--undo-last nimmt keine DATEI</translation>
    </message>
    <message>
        <source>casino &apos;%1&apos; (%2 wheel) has no import to undo: none was made, or a spin was recorded after it</source>
        <translation>Casino „%1“ (Kessel %2) hat keinen Import zum Rückgängigmachen: Es gab keinen, oder danach wurde ein Coup aufgezeichnet</translation>
    </message>
    <message>
        <source>Removed the %1 spins of the last import from casino &apos;%2&apos; (%3 wheel)
</source>
        <translation>Die %1 Coups des letzten Imports aus Casino „%2“ (Kessel %3) entfernt
</translation>
    </message>
    <message>
        <source>--casino NAME-or-ID is required</source>
        <translation>--casino NAME-oder-NUMMER ist erforderlich</translation>
    </message>
    <message>
        <source>another import into %1 is running: wait until it has ended</source>
        <translation>ein anderer Import nach %1 läuft: Warten Sie, bis er beendet ist</translation>
    </message>
    <message>
        <source>Spinledger is open on %1: close its window first, as it would not show the imported spins</source>
        <translation>Spinledger hat %1 geöffnet: Schließen Sie zuerst sein Fenster, es würde die importierten Coups nicht zeigen</translation>
    </message>
    <message>
        <source>no casino with the id %1 (spinledger-cli casinos lists them)</source>
        <translation>kein Casino mit der Nummer %1 (spinledger-cli casinos listet sie auf)</translation>
    </message>
    <message>
        <source>a new casino needs a name of 1 to %1 characters</source>
        <translation>ein neues Casino braucht einen Namen mit 1 bis %1 Zeichen</translation>
    </message>
    <message>
        <source>the wheel&apos;s amount is 0, so no stake would stand: give --amount (such as --amount 10) or type a base stake on the board</source>
        <translation>der Einsatz des Kessels ist 0, also stünde kein Einsatz: Geben Sie --amount an (etwa --amount 10) oder tippen Sie einen Grundeinsatz auf dem Tableau</translation>
    </message>
    <message>
        <source>Created casino &apos;%1&apos; (id %2)
</source>
        <translation>Casino „%1“ angelegt (Nummer %2)
</translation>
    </message>
    <message>
        <source>Imported %1 spins into casino &apos;%2&apos; (%3 wheel), %4
</source>
        <translation>%1 Coups in Casino „%2“ (Kessel %3) importiert, %4
</translation>
    </message>
    <message>
        <source>Play the spins of a file into a casino (created when missing).</source>
        <translation>Die Coups einer Datei in ein Casino spielen (es wird angelegt, wenn es fehlt).</translation>
    </message>
    <message>
        <source>Base stake of the imported spins instead of the wheel&apos;s amount, which a fresh installation leaves at 0.</source>
        <translation>Grundeinsatz der importierten Coups statt des Einsatzes des Kessels, den eine neue Installation auf 0 lässt.</translation>
    </message>
    <message>
        <source>Take back the casino&apos;s last import instead, while no spin was recorded there after it.</source>
        <translation>Stattdessen den letzten Import des Casinos zurücknehmen, solange danach dort kein Coup aufgezeichnet wurde.</translation>
    </message>
    <message>
        <source>R (38-pocket wheel) or M (mini wheel).</source>
        <translation>R (Kessel mit 38 Fächern) oder M (Mini-Kessel).</translation>
    </message>
    <message>
        <source>The casino, by its name or its id.</source>
        <translation>Das Casino, mit seinem Namen oder seiner Nummer.</translation>
    </message>
    <message>
        <source>The database file (default: the one Spinledger uses; spinledger-cli where names it).</source>
        <translation>Die Datenbankdatei (Vorgabe: die, die Spinledger benutzt; spinledger-cli where nennt sie).</translation>
    </message>
    <message>
        <source>Print JSON for scripts instead of text.</source>
        <translation>JSON für Skripte statt Text ausgeben.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot open %1: it is no database, or one protected by a passphrase (type it at a terminal or set SPINLEDGER_PASSPHRASE)</source>
        <translation>%1 lässt sich nicht öffnen: Es ist keine Datenbank oder eine mit Passphrase geschützte (tippen Sie sie im Terminal ein oder setzen Sie SPINLEDGER_PASSPHRASE)</translation>
    </message>
    <message>
        <source>Passphrase for %1: </source>
        <translation>Passphrase für %1: </translation>
    </message>
    <message>
        <source>the passphrase does not open %1</source>
        <translation>die Passphrase öffnet %1 nicht</translation>
    </message>
    <message>
        <source>%1 holds no installation, and this machine has no identifier to make one</source>
        <translation>%1 enthält keine Installation, und dieser Rechner hat keine Kennung, um eine anzulegen</translation>
    </message>
    <message>
        <source>cannot prepare %1: %2</source>
        <translation>%1 lässt sich nicht vorbereiten: %2</translation>
    </message>
    <message>
        <source>%1 holds several installations and none of this machine</source>
        <translation>%1 enthält mehrere Installationen und keine dieses Rechners</translation>
    </message>
    <message>
        <source>unknown wheel &apos;%1&apos;: use R (38-pocket) or M (mini)</source>
        <translation>unbekannter Kessel „%1“: Nehmen Sie R (38 Fächer) oder M (Mini)</translation>
    </message>
    <message>
        <source>--wheel R|M is required</source>
        <translation>--wheel R|M ist erforderlich</translation>
    </message>
    <message>
        <source>several casinos are named &apos;%1&apos;: name it by its id (spinledger-cli casinos lists them)</source>
        <translation>mehrere Casinos heißen „%1“: Nennen Sie es mit seiner Nummer (spinledger-cli casinos listet sie auf)</translation>
    </message>
    <message>
        <source>no casino &apos;%1&apos; in %2 (spinledger-cli casinos lists them)</source>
        <translation>kein Casino „%1“ in %2 (spinledger-cli casinos listet sie auf)</translation>
    </message>
    <message>
        <source>Print how many spins the database holds, all casinos and wheels together.</source>
        <translation>Ausgeben, wie viele Coups die Datenbank enthält, alle Casinos und Kessel zusammen.</translation>
    </message>
    <message>
        <source>Statistics of a casino: advice against chance, wheel bias, money, doubling risk.</source>
        <translation>Statistik eines Casinos: Rat gegen Zufall, Kesselfehler, Geld, Verdopplungsrisiko.</translation>
    </message>
    <message>
        <source>as typed on the Statistics tab</source>
        <translation>wie auf der Seite Statistik eingetragen</translation>
    </message>
    <message>
        <source>as typed on the Statistics tab, else no limit</source>
        <translation>wie auf der Seite Statistik eingetragen, sonst ohne Grenze</translation>
    </message>
    <message>
        <source>as typed on the Statistics tab, else 100</source>
        <translation>wie auf der Seite Statistik eingetragen, sonst 100</translation>
    </message>
    <message>
        <source>Print the database, backup folder and lock file in use.</source>
        <translation>Die benutzte Datenbank, den Sicherungsordner und die Sperrdatei ausgeben.</translation>
    </message>
    <message>
        <source>Only the newest N spins of the casino.</source>
        <translation>Nur die neuesten N Coups des Casinos.</translation>
    </message>
    <message>
        <source>Only the spins of the current session.</source>
        <translation>Nur die Coups der laufenden Sitzung.</translation>
    </message>
    <message>
        <source>Only spins from this date on (2026-12-06, or with a time: 2026-12-06T18:00).</source>
        <translation>Nur Coups ab diesem Datum (2026-12-06, oder mit Uhrzeit: 2026-12-06T18:00).</translation>
    </message>
    <message>
        <source>Only spins up to this date, the whole day included (or up to a time: 2026-12-06T18:00).</source>
        <translation>Nur Coups bis zu diesem Datum, den ganzen Tag eingeschlossen (oder bis zu einer Uhrzeit: 2026-12-06T18:00).</translation>
    </message>
    <message>
        <source>Choose one window: --last, --session, or --since and --until</source>
        <translation>Wählen Sie einen Ausschnitt: --last, --session oder --since und --until</translation>
    </message>
    <message>
        <source>--last needs a whole number of at least 1, not &apos;%1&apos;</source>
        <translation>--last braucht eine ganze Zahl ab 1, nicht „%1“</translation>
    </message>
    <message>
        <source>--%1 needs a date such as 2026-12-06 or 2026-12-06T18:00, not &apos;%2&apos;</source>
        <translation>--%1 braucht ein Datum wie 2026-12-06 oder 2026-12-06T18:00, nicht „%2“</translation>
    </message>
    <message>
        <source>--until must come after --since</source>
        <translation>--until muss nach --since liegen</translation>
    </message>
    <message>
        <source>Checking the file... %1%</source>
        <translation>Prüfe die Datei... %1%</translation>
    </message>
    <message>
        <source>Importing spin %1 of %2... %3%</source>
        <translation>Importiere Coup %1 von %2... %3%</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [options]

A Spinledger casino&apos;s figures and spin files, from a terminal.

Commands:
</source>
        <translation>Aufruf: %1 BEFEHL [Optionen]

Die Zahlen und Coup-Dateien eines Spinledger-Casinos, im Terminal.

Befehle:
</translation>
    </message>
    <message>
        <source>%1: %2; nothing was read or written</source>
        <translation>%1: %2; nichts wurde gelesen oder geschrieben</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>AMOUNT</source>
        <translation>BETRAG</translation>
    </message>
    <message>
        <source>id</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>NAME-or-ID</source>
        <translation>NAME-oder-NUMMER</translation>
    </message>
    <message>
        <source>SPINLEDGER_PASSPHRASE does not open %1</source>
        <translation>SPINLEDGER_PASSPHRASE öffnet %1 nicht</translation>
    </message>
    <message>
        <source>That was not the passphrase.</source>
        <translation>Das war nicht die Passphrase.</translation>
    </message>
    <message>
        <source>mode: %1</source>
        <translation>Modus: %1</translation>
    </message>
    <message>
        <source>installed</source>
        <translation>installiert</translation>
    </message>
    <message>
        <source>portable</source>
        <translation>portabel</translation>
    </message>
    <message>
        <source>database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
    <message>
        <source>backups: %1</source>
        <translation>Sicherungen: %1</translation>
    </message>
    <message>
        <source>lock: %1</source>
        <translation>Sperre: %1</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>--session needs a session, and the window has not started one on this wheel yet: use --last N or --since DATE</source>
        <translation>--session braucht eine Sitzung, und das Fenster hat auf diesem Kessel noch keine begonnen: --last N oder --since DATUM verwenden</translation>
    </message>
</context>
<context>
    <name>SleeperMarks</name>
    <message>
        <source>%1 last came %2 spins ago.</source>
        <translation>%1 kam zuletzt vor %2 Coups.</translation>
    </message>
    <message>
        <source>%1 has not come in the %2 spins recorded.</source>
        <translation>%1 kam in den %2 aufgezeichneten Coups nicht.</translation>
    </message>
    <message>
        <source>the last %1 spins</source>
        <translation>die letzten %1 Coups</translation>
    </message>
    <message>
        <source>all %1 spins</source>
        <translation>allen %1 Coups</translation>
    </message>
    <message>
        <source>%1 times in %2; %3 expected on a fair wheel.</source>
        <translation>%1-mal in %2; %3 auf einem fairen Kessel erwartet.</translation>
    </message>
    <message>
        <source>A gap of %1 spins or more comes with a chance of %2 on a fair wheel.</source>
        <translation>Eine Lücke von %1 Coups oder mehr kommt auf einem fairen Kessel mit einer Wahrscheinlichkeit von %2 vor.</translation>
    </message>
    <message>
        <source>a long gap does not make a pocket due</source>
        <translation>eine lange Lücke macht keine Zahl fällig</translation>
    </message>
</context>
<context>
    <name>SpinEngine</name>
    <message>
        <source>Unknown pocket &apos;%1&apos;.</source>
        <translation>Unbekannte Zahl „%1“.</translation>
    </message>
</context>
<context>
    <name>SpinExport</name>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei ließ sich nicht schreiben: %1</translation>
    </message>
</context>
<context>
    <name>SpinFileReader</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>line %1, cell %2: %3</source>
        <translation>Zeile %1, Zelle %2: %3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;): %3</source>
        <translation>Zeile %1 („%2“): %3</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 holds no spins</source>
        <translation>%1 enthält keine Coups</translation>
    </message>
    <message>
        <source>binary data, so this is no spin file</source>
        <translation>Binärdaten, also keine Coup-Datei</translation>
    </message>
    <message>
        <source>cells parted by spaces are read as a list of pockets; the columns of a table are parted by commas, semicolons or tabs</source>
        <translation>durch Leerzeichen getrennte Zellen werden als Liste von Zahlen gelesen; die Spalten einer Tabelle sind durch Kommas, Semikolons oder Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>%1 hold numbers, and no header row names the pocket column (pocket, number, spin or result)</source>
        <translation>%1 enthalten Zahlen, und keine Kopfzeile nennt die Spalte der Zahl (pocket, number, spin oder result)</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>column &quot;%1&quot;</source>
        <translation>Spalte „%1“</translation>
    </message>
    <message>
        <source>the row holds more cells than the %1 columns of the header row</source>
        <translation>die Zeile hat mehr Zellen als die %1 Spalten der Kopfzeile</translation>
    </message>
    <message>
        <source>the row holds more cells than the %1 columns of the first row</source>
        <translation>die Zeile hat mehr Zellen als die %1 Spalten der ersten Zeile</translation>
    </message>
    <message>
        <source>there is no pocket</source>
        <translation>es gibt keine Zahl</translation>
    </message>
    <message>
        <source>00 is switched off for this wheel</source>
        <translation>00 ist für diesen Kessel ausgeschaltet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pocket of this wheel (0, %2%3)</source>
        <translation>„%1“ ist keine Zahl dieses Kessels (0, %2%3)</translation>
    </message>
    <message>
        <source>the date and time are missing</source>
        <translation>Datum und Uhrzeit fehlen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no ISO 8601 date and time (such as 2026-12-06T18:00:00)</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit nach ISO 8601 (etwa 2026-12-06T18:00:00)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is before 1900-01-01</source>
        <translation>„%1“ liegt vor dem 1900-01-01</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than a day after the moment of the import</source>
        <translation>„%1“ liegt mehr als einen Tag nach dem Zeitpunkt des Imports</translation>
    </message>
    <message>
        <source>%1 is earlier than the spin before it (%2)</source>
        <translation>%1 liegt vor dem Coup davor (%2)</translation>
    </message>
    <message>
        <source>%1 is earlier than the casino&apos;s newest spin (%2)</source>
        <translation>%1 liegt vor dem neuesten Coup des Casinos (%2)</translation>
    </message>
</context>
<context>
    <name>SpinImport</name>
    <message>
        <source>The file has not been checked.</source>
        <translation>Die Datei wurde nicht geprüft.</translation>
    </message>
    <message>
        <source>the amount is 0, so no stake would stand: set a base stake first</source>
        <translation>der Einsatz ist 0, also stünde kein Einsatz: Legen Sie zuerst einen Grundeinsatz fest</translation>
    </message>
</context>
<context>
    <name>SpinList</name>
    <message>
        <source>read as a list of 1 pocket</source>
        <translation>als Liste von 1 Zahl gelesen</translation>
    </message>
    <message>
        <source>read as a list of %1 pockets</source>
        <translation>als Liste von %1 Zahlen gelesen</translation>
    </message>
    <message>
        <source>read as a table, pockets from %1</source>
        <translation>als Tabelle gelesen, Zahlen aus %1</translation>
    </message>
    <message>
        <source>read as a table, pockets from %1, stamps from %2</source>
        <translation>als Tabelle gelesen, Zahlen aus %1, Zeitstempel aus %2</translation>
    </message>
</context>
<context>
    <name>SpinSource</name>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a spin file</source>
        <translation>%1 ist ein Ordner, keine Coup-Datei</translation>
    </message>
    <message>
        <source>%1 is a device or special file, not a spin file or pipe</source>
        <translation>%1 ist ein Gerät oder eine Spezialdatei, keine Coup-Datei oder Pipe</translation>
    </message>
    <message>
        <source>%1 is larger than 50 MB</source>
        <translation>%1 ist größer als 50 MB</translation>
    </message>
    <message>
        <source>%1 is a pipe that nobody writes to</source>
        <translation>%1 ist eine Pipe, in die niemand schreibt</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>, please Wait ....</source>
        <translation>, bitte warten ....</translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>The bet a doubling series is played on.</source>
        <translation>Die Chance, auf der eine Verdopplungsreihe gespielt wird.</translation>
    </message>
    <message>
        <source>Bets</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>How many bets one series can make before the next stake would break the table maximum or the bankroll.</source>
        <translation>Wie viele Einsätze eine Reihe machen kann, bevor der nächste das Tischmaximum oder das Spielkapital sprengen würde.</translation>
    </message>
    <message>
        <source>Series busts</source>
        <translation>Reihe platzt</translation>
    </message>
    <message>
        <source>The chance that every bet of one series loses.</source>
        <translation>Die Wahrscheinlichkeit, dass jeder Einsatz einer Reihe verliert.</translation>
    </message>
    <message>
        <source>A bust loses</source>
        <translation>Verlust beim Platzen</translation>
    </message>
    <message>
        <source>What a series that busts has lost: all its stakes.</source>
        <translation>Was eine geplatzte Reihe verloren hat: alle ihre Einsätze.</translation>
    </message>
    <message>
        <source>Per series</source>
        <translation>Je Reihe</translation>
    </message>
    <message>
        <source>What one series wins or loses on average, busts included.</source>
        <translation>Was eine Reihe im Mittel gewinnt oder verliert, geplatzte eingeschlossen.</translation>
    </message>
    <message>
        <source>Bust in N</source>
        <translation>Platzen in N</translation>
    </message>
    <message>
        <source>The chance of at least one bust in the next N series.</source>
        <translation>Die Wahrscheinlichkeit, dass in den nächsten N Reihen mindestens eine platzt.</translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>The most advices in a row that lost in this casino&apos;s history.</source>
        <translation>Die meisten verlorenen Ratschläge in Folge in der Geschichte dieses Casinos.</translation>
    </message>
    <message>
        <source>Stake needed</source>
        <translation>Nötiger Einsatz</translation>
    </message>
    <message>
        <source>The stake of the bet after that run: what it took to win it all back.</source>
        <translation>Der Einsatz nach dieser Serie: was es brauchte, um alles zurückzugewinnen.</translation>
    </message>
    <message>
        <source>The bet the advice was given for.</source>
        <translation>Die Chance, für die der Rat galt.</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Whether &quot;Play&quot; is ticked for it on the board now; the figures count every advice either way.</source>
        <translation>Ob „Spielen“ dafür jetzt auf dem Tableau angehakt ist; die Zahlen zählen jeden Rat so oder so.</translation>
    </message>
    <message>
        <source>Result at the table</source>
        <translation>Ergebnis am Tisch</translation>
    </message>
    <message>
        <source>Won minus lost over the bets the table maximum or bankroll typed on the Doubling page allows: where a doubling would have needed a larger stake, a real table stops it, and so does this result.</source>
        <translation>Gewonnen minus verloren über die Einsätze, die das Tischmaximum oder Spielkapital der Seite Verdopplung erlaubt: Wo eine Verdopplung einen größeren Einsatz gebraucht hätte, beendet sie ein echter Tisch, und dieses Ergebnis ebenso.</translation>
    </message>
    <message>
        <source>Stopped at spin</source>
        <translation>Beendet bei Coup</translation>
    </message>
    <message>
        <source>The first bet the table maximum or bankroll would have refused: a real table ends the doubling there. Empty: never.</source>
        <translation>Der erste Einsatz, den Tischmaximum oder Spielkapital abgelehnt hätten: Ein echter Tisch beendet die Verdopplung dort. Leer: nie.</translation>
    </message>
    <message>
        <source>Judged advices, each bet at the stake its advice stored.</source>
        <translation>Bewertete Ratschläge, jeder mit dem Einsatz, den sein Rat speicherte.</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>How many of these bets won.</source>
        <translation>Wie viele dieser Einsätze gewannen.</translation>
    </message>
    <message>
        <source>Result without a limit</source>
        <translation>Ergebnis ohne Limit</translation>
    </message>
    <message>
        <source>Won minus lost over all these bets, as if any stake were allowed: a win pays the stake times the payout, a loss costs the stake. Only endless doubling makes it; no table allows that.</source>
        <translation>Gewonnen minus verloren über alle diese Einsätze, als wäre jeder Einsatz erlaubt: Ein Gewinn zahlt den Einsatz mal die Auszahlung, ein Verlust kostet den Einsatz. Nur endloses Verdoppeln erreicht das; kein Tisch erlaubt es.</translation>
    </message>
    <message>
        <source>Largest stake</source>
        <translation>Größter Einsatz</translation>
    </message>
    <message>
        <source>The highest stake the doubling reached.</source>
        <translation>Der höchste Einsatz, den die Verdopplung erreichte.</translation>
    </message>
    <message>
        <source>The most advices in a row that lost.</source>
        <translation>Die meisten verlorenen Ratschläge in Folge.</translation>
    </message>
    <message>
        <source>The bet the advice was given for; under it, what the numbers say.</source>
        <translation>Die Chance, für die der Rat galt; darunter, was die Zahlen sagen.</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>Bewertet</translation>
    </message>
    <message>
        <source>How many advices of this casino were judged against the spin that followed them.</source>
        <translation>Wie viele Ratschläge dieses Casinos am folgenden Coup bewertet wurden.</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>How many of the judged advices won.</source>
        <translation>Wie viele der bewerteten Ratschläge gewannen.</translation>
    </message>
    <message>
        <source>Hit rate</source>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>Hits divided by judged advices.</source>
        <translation>Treffer geteilt durch bewertete Ratschläge.</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>95-%-Intervall</translation>
    </message>
    <message>
        <source>Where the advice&apos;s true hit rate lies with 95% confidence (Wilson); it narrows as spins add up.</source>
        <translation>Wo die wahre Trefferquote des Rats mit 95 % Sicherheit liegt (Wilson); es wird mit mehr Coups enger.</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>How often a blind bet on this category wins with the pockets in play.</source>
        <translation>Wie oft ein blinder Einsatz auf diese Kategorie mit den Zahlen im Spiel gewinnt.</translation>
    </message>
    <message>
        <source>Break-even</source>
        <translation>Gewinnschwelle</translation>
    </message>
    <message>
        <source>The hit rate at which the payout just returns the stakes; below it the bet loses in the long run.</source>
        <translation>Die Trefferquote, bei der die Auszahlung gerade die Einsätze zurückgibt; darunter verliert der Einsatz auf Dauer.</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>How likely this many hits or more are by blind betting, corrected for judging every category at once (Holm); below 0.05 counts as beating chance.</source>
        <translation>Wie wahrscheinlich so viele Treffer oder mehr bei blindem Setzen sind, korrigiert für die Bewertung aller Kategorien zugleich (Holm); unter 0,05 gilt als besser als der Zufall.</translation>
    </message>
    <message>
        <source>The verdict: does the advice hit more often than a blind bet would, and is its hit rate shown to be above break-even?</source>
        <translation>Das Urteil: Trifft der Rat öfter als ein blinder Einsatz, und liegt seine Trefferquote nachweislich über der Gewinnschwelle?</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sektor</translation>
    </message>
    <message>
        <source>The sector&apos;s name; its pockets in the tool tip.</source>
        <translation>Der Name des Sektors; seine Zahlen im Tooltip.</translation>
    </message>
    <message>
        <source>Spins</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Spins that landed in the sector.</source>
        <translation>Coups, die im Sektor landeten.</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>What a fair wheel gives the sector on average.</source>
        <translation>Was ein fairer Kessel dem Sektor im Mittel gibt.</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>Standard deviations from the expected count.</source>
        <translation>Standardabweichungen von der erwarteten Anzahl.</translation>
    </message>
    <message>
        <source>p (Holm)</source>
        <translation>p (Holm)</translation>
    </message>
    <message>
        <source>How likely a count this far out, hot or cold, is on a fair wheel, corrected for judging the four sectors at once (Holm).</source>
        <translation>Wie wahrscheinlich eine so weit abweichende Anzahl, heiß oder kalt, auf einem fairen Kessel ist, korrigiert für die Bewertung der vier Sektoren zugleich (Holm).</translation>
    </message>
</context>
<context>
    <name>UserDatabase</name>
    <message>
        <source>the copy is damaged</source>
        <translation>die Kopie ist beschädigt</translation>
    </message>
    <message>
        <source>Unable to continue! The folder %1 cannot be made.</source>
        <translation>Fortfahren nicht möglich! Der Ordner %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Unable to continue! Your spins in %1 could not be copied (%2); they stay there. Press &apos;Esc&apos; to Exit.</source>
        <translation>Fortfahren nicht möglich! Ihre Coups in %1 ließen sich nicht kopieren (%2); sie bleiben dort. Mit „Esc“ beenden.</translation>
    </message>
    <message>
        <source>Your %1 spins were copied from %2, which stays where it is.</source>
        <translation>Ihre %1 Coups wurden aus %2 kopiert, das bleibt, wo es ist.</translation>
    </message>
    <message>
        <source>Unable to continue! %1 cannot be made from %2 (%3).</source>
        <translation>Fortfahren nicht möglich! %1 lässt sich nicht aus %2 anlegen (%3).</translation>
    </message>
    <message>
        <source>the copy differs from %1</source>
        <translation>die Kopie weicht von %1 ab</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 lässt sich nicht schreiben</translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Black/Red</source>
        <translation>Schwarz/Rot</translation>
    </message>
    <message>
        <source>Even/Odd</source>
        <translation>Pair/Impair</translation>
    </message>
    <message>
        <source>2TO1</source>
        <translation>Kolonnen</translation>
    </message>
    <message>
        <source>Low/High</source>
        <translation>Manque/Passe</translation>
    </message>
    <message>
        <source>Dozens</source>
        <translation>Dutzende</translation>
    </message>
</context>
<context>
    <name>spinledger::BackupGuard</name>
    <message>
        <source>Backup failed: %1</source>
        <translation>Sicherung fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>spinledger::BoardWidget</name>
    <message>
        <source>Type a base stake in Amount: with an amount of 0 no stake stands.</source>
        <translation>Tippen Sie einen Grundeinsatz bei Einsatz: Bei 0 steht kein Einsatz.</translation>
    </message>
    <message>
        <source>Spin recorded, but no stake stands while the amount is 0: type a base stake in Amount.</source>
        <translation>Coup aufgezeichnet, aber bei Einsatz 0 steht kein Einsatz: Tippen Sie einen Grundeinsatz bei Einsatz.</translation>
    </message>
    <message>
        <source>Amount set to %1.</source>
        <translation>Einsatz auf %1 gesetzt.</translation>
    </message>
    <message>
        <source>Stop-loss %1 reached: this session is at %2.</source>
        <translation>Verlustgrenze %1 erreicht: Diese Sitzung steht bei %2.</translation>
    </message>
    <message>
        <source>Target %1 reached: this session is at %2.</source>
        <translation>Ziel %1 erreicht: Diese Sitzung steht bei %2.</translation>
    </message>
    <message>
        <source>Recounting the casino&apos;s history</source>
        <translation>Zähle die Geschichte des Casinos neu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>%1 anzeigen</translation>
    </message>
    <message>
        <source>Win Ratio (%)</source>
        <translation>Gewinnquote (%)</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Enable 00 Roulette</source>
        <translation>00 beim Roulette einschalten</translation>
    </message>
    <message>
        <source>Enable 00 Miniroulette</source>
        <translation>00 beim Miniroulette einschalten</translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation>&amp;Einsatz</translation>
    </message>
    <message>
        <source>Amount/Coins you bet</source>
        <translation>Betrag/Jetons, die Sie setzen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Rücksetzen</translation>
    </message>
    <message>
        <source>&amp;Casino</source>
        <translation>&amp;Casino</translation>
    </message>
    <message>
        <source>&amp;UNDO</source>
        <translation>Z&amp;URÜCK</translation>
    </message>
    <message>
        <source>&amp;Numbers</source>
        <translation>&amp;Zahlen</translation>
    </message>
    <message>
        <source>&amp;Black/Red</source>
        <translation>&amp;Schwarz/Rot</translation>
    </message>
    <message>
        <source>&amp;Even/Odd</source>
        <translation>&amp;Pair/Impair</translation>
    </message>
    <message>
        <source>&amp;Low/High</source>
        <translation>&amp;Manque/Passe</translation>
    </message>
    <message>
        <source>&amp;Dozens</source>
        <translation>Du&amp;tzende</translation>
    </message>
    <message>
        <source>&amp;2TO1</source>
        <translation>&amp;Kolonnen</translation>
    </message>
</context>
<context>
    <name>spinledger::CasinoPanel</name>
    <message>
        <source>With it go %1 %2 spins and %3 %4 spins.</source>
        <translation>Mit ihm gehen %1 Coups beim %2 und %3 Coups beim %4.</translation>
    </message>
    <message>
        <source>Casino name required.</source>
        <translation>Casinoname erforderlich.</translation>
    </message>
    <message>
        <source>Casino name too long. Max 100 chars allowed.</source>
        <translation>Casinoname zu lang. Höchstens 100 Zeichen erlaubt.</translation>
    </message>
    <message>
        <source>Please select a Casino from the list.</source>
        <translation>Bitte wählen Sie ein Casino aus der Liste.</translation>
    </message>
    <message>
        <source>Casino List</source>
        <translation>Casinoliste</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Casino &amp;name:</source>
        <translation>Casino&amp;name:</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;? All data associated with this casino will be deleted.<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continue?</source>
        <translation>Wollen Sie „%1“ wirklich löschen? Alle Daten dieses Casinos werden gelöscht.<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Fortfahren?</translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
</context>
<context>
    <name>spinledger::DoublingPanel</name>
    <message>
        <source>A series starts at the wheel&apos;s Amount, typed on its board.</source>
        <translation>Eine Reihe beginnt beim Einsatz des Kessels, der auf seinem Tableau eingetragen ist.</translation>
    </message>
    <message>
        <source>Table &amp;maximum</source>
        <translation>Tisch&amp;maximum</translation>
    </message>
    <message>
        <source>The largest stake the table accepts.</source>
        <translation>Der größte Einsatz, den der Tisch annimmt.</translation>
    </message>
    <message>
        <source>&amp;Bankroll</source>
        <translation>Spiel&amp;kapital</translation>
    </message>
    <message>
        <source>What you can lose in one series; empty: no limit but the table&apos;s.</source>
        <translation>Was Sie in einer Reihe verlieren können; leer: keine Grenze außer der des Tisches.</translation>
    </message>
    <message>
        <source>&amp;Series</source>
        <translation>&amp;Reihen</translation>
    </message>
    <message>
        <source>How many series ahead the chance of a bust is reckoned for.</source>
        <translation>Für wie viele Reihen im Voraus die Wahrscheinlichkeit des Platzens gerechnet wird.</translation>
    </message>
    <message>
        <source>Table maximum: please enter an amount above 0.</source>
        <translation>Tischmaximum: Bitte einen Betrag über 0 eingeben.</translation>
    </message>
    <message>
        <source>Bankroll: please enter an amount above 0, or leave it empty for no limit.</source>
        <translation>Spielkapital: Bitte einen Betrag über 0 eingeben oder für keine Grenze leer lassen.</translation>
    </message>
    <message>
        <source>Series: please enter a whole number from 1 to %1.</source>
        <translation>Reihen: Bitte eine ganze Zahl von 1 bis %1 eingeben.</translation>
    </message>
    <message>
        <source>Base stake %1</source>
        <translation>Grundeinsatz %1</translation>
    </message>
    <message>
        <source>Bust in %1</source>
        <translation>Platzen in %1</translation>
    </message>
    <message>
        <source>A run this long would have busted a series of %1 bets.</source>
        <translation>Eine so lange Serie hätte eine Reihe von %1 Einsätzen platzen lassen.</translation>
    </message>
    <message>
        <source>Doubling does not change the odds: a series that wins gains little, a bust gives back the gains of many. A run here as long as the bets of a series would have busted it.</source>
        <translation>Verdoppeln ändert die Gewinnchancen nicht: Eine gewonnene Reihe bringt wenig, eine geplatzte gibt die Gewinne vieler zurück. Eine Serie, so lang wie die Einsätze einer Reihe, hätte sie platzen lassen.</translation>
    </message>
</context>
<context>
    <name>spinledger::HistoryModel</name>
    <message>
        <source>The advice judged at this spin, its stake and whether it won.</source>
        <translation>Der bei diesem Coup bewertete Rat, sein Einsatz und ob er gewann.</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation>Zahl</translation>
    </message>
</context>
<context>
    <name>spinledger::HistoryPanel</name>
    <message>
        <source>&amp;Pocket:</source>
        <translation>&amp;Zahl:</translation>
    </message>
    <message>
        <source>List every spin, or only the spins of one pocket.</source>
        <translation>Jeden Coup auflisten oder nur die Coups einer Zahl.</translation>
    </message>
    <message>
        <source>All pockets</source>
        <translation>Alle Zahlen</translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Newest first; spins numbered in the casino&apos;s whole history.</source>
        <translation>Neueste zuerst; Coups nummeriert über die ganze Geschichte des Casinos.</translation>
    </message>
</context>
<context>
    <name>spinledger::HistoryView</name>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
</context>
<context>
    <name>spinledger::KeyboardHelp</name>
    <message>
        <source>0 – 36, 00</source>
        <translation>0 – 36, 00</translation>
    </message>
    <message>
        <source>Type the pocket that came; a number no other pocket begins with is recorded at once</source>
        <translation>Die gefallene Zahl tippen; eine Zahl, mit der keine andere beginnt, wird sofort aufgezeichnet</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Record the typed pocket; in Amount: keep the amount and type pockets again</source>
        <translation>Die getippte Zahl aufzeichnen; im Einsatz: den Einsatz übernehmen und wieder Zahlen tippen</translation>
    </message>
    <message>
        <source>Backspace / Esc</source>
        <translation>Rücktaste / Esc</translation>
    </message>
    <message>
        <source>Take back the last typed digit / clear what was typed</source>
        <translation>Die letzte getippte Ziffer zurücknehmen / das Getippte löschen</translation>
    </message>
    <message>
        <source>Ctrl+Z, Alt+U</source>
        <translation>Strg+Z, Alt+U</translation>
    </message>
    <message>
        <source>Undo the last spin</source>
        <translation>Den letzten Coup zurücknehmen</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>Reset: stake the advice anew at the amount</source>
        <translation>Rücksetzen: den Rat neu mit dem Einsatz besetzen</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Amount: the base stake</source>
        <translation>Einsatz: der Grundeinsatz</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Casino of the board</source>
        <translation>Casino des Tableaus</translation>
    </message>
    <message>
        <source>Alt+0</source>
        <translation>Alt+0</translation>
    </message>
    <message>
        <source>00: switch the 00 pocket on or off (then Space)</source>
        <translation>00: die 00 ein- oder ausschalten (dann Leertaste)</translation>
    </message>
    <message>
        <source>Alt+N, B, E, L, D, 2</source>
        <translation>Alt+Z, S, P, M, T, K</translation>
    </message>
    <message>
        <source>Play box of Numbers, Black/Red, Even/Odd, Low/High, Dozens, 2TO1 (then Space)</source>
        <translation>Spielen-Feld von Zahlen, Schwarz/Rot, Pair/Impair, Manque/Passe, Dutzende, Kolonnen (dann Leertaste)</translation>
    </message>
    <message>
        <source>Alt+W</source>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>New session: count spins and money from here on</source>
        <translation>Neue Sitzung: Coups und Geld ab hier zählen</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Spins since last hit: show or hide the gaps on the cells</source>
        <translation>Coups seit dem letzten Treffer: die Lücken auf den Feldern zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Umschalt+Tab</translation>
    </message>
    <message>
        <source>Next / previous control</source>
        <translation>Nächstes / vorheriges Bedienelement</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Tick the check box or press the button that has the focus</source>
        <translation>Das Kästchen mit dem Fokus anhaken oder die Schaltfläche mit dem Fokus drücken</translation>
    </message>
    <message>
        <source>Ctrl+1 – Ctrl+4</source>
        <translation>Strg+1 – Strg+4</translation>
    </message>
    <message>
        <source>Show the Roulette, Miniroulette, Settings or Statistics tab</source>
        <translation>Die Seite Roulette, Miniroulette, Einstellungen oder Statistik zeigen</translation>
    </message>
    <message>
        <source>Alt+F, Alt+V, Alt+H</source>
        <translation>Alt+D, Alt+A, Alt+H</translation>
    </message>
    <message>
        <source>File, View and Help menus</source>
        <translation>Menüs Datei, Ansicht und Hilfe</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>spinledger::LimitsPanel</name>
    <message>
        <source>Limits</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Table maximum</source>
        <translation>Tischmaximum</translation>
    </message>
    <message>
        <source>Stop-loss</source>
        <translation>Verlustgrenze</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>The largest stake the table takes</source>
        <translation>Der größte Einsatz, den der Tisch annimmt</translation>
    </message>
    <message>
        <source>The loss of a session at which you stop</source>
        <translation>Der Verlust einer Sitzung, bei dem Sie aufhören</translation>
    </message>
    <message>
        <source>The win of a session you play for</source>
        <translation>Der Gewinn einer Sitzung, auf den Sie spielen</translation>
    </message>
    <message>
        <source>A limit is an amount above 0, or empty for none.</source>
        <translation>Ein Limit ist ein Betrag über 0, oder leer für keines.</translation>
    </message>
</context>
<context>
    <name>spinledger::MainWindow</name>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Continue the session of %1?</source>
        <translation>Die Sitzung vom %1 fortsetzen?</translation>
    </message>
    <message>
        <source>&amp;Restore from backup…</source>
        <translation>Aus Sicherung &amp;wiederherstellen…</translation>
    </message>
    <message>
        <source>New session</source>
        <translation>Neue Sitzung</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Spins since last hit</source>
        <translation>Coups seit dem letzten Treffer</translation>
    </message>
    <message>
        <source>Hot and cold over</source>
        <translation>Heiß und kalt über</translation>
    </message>
    <message>
        <source>The last 100 spins</source>
        <translation>Die letzten 100 Coups</translation>
    </message>
    <message>
        <source>The last 500 spins</source>
        <translation>Die letzten 500 Coups</translation>
    </message>
    <message>
        <source>All spins</source>
        <translation>Alle Coups</translation>
    </message>
    <message>
        <source> There is no backup of it; &quot;spinledger-cli export --salvage&quot; writes out the spins that can still be read.</source>
        <translation> Es gibt keine Sicherung davon; „spinledger-cli export --salvage“ schreibt die Coups heraus, die sich noch lesen lassen.</translation>
    </message>
    <message>
        <source> The newest backup is of %1: File → &quot;Restore from backup…&quot; puts it in its place.</source>
        <translation> Die neueste Sicherung ist vom %1: Datei → „Aus Sicherung wiederherstellen…“ setzt sie an ihre Stelle.</translation>
    </message>
    <message>
        <source>There is no backup in %1.</source>
        <translation>In %1 gibt es keine Sicherung.</translation>
    </message>
    <message>
        <source>Restoring the backup..</source>
        <translation>Stelle die Sicherung wieder her..</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Nichts wurde wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>Restored the backup %1; the file that was in use is kept as %2.</source>
        <translation>Sicherung %1 wiederhergestellt; die bisher benutzte Datei bleibt als %2 erhalten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Check for update</source>
        <translation>Nach &amp;Update suchen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Videos</source>
        <translation>&amp;Videos</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>App Info</source>
        <translation>Programminfo</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
</context>
<context>
    <name>spinledger::MoneyPanel</name>
    <message>
        <source>What is the table maximum here? Until it is known, the results below need endless doubling, which no table allows. Table &amp;maximum:</source>
        <translation>Wie hoch ist hier das Tischmaximum? Solange es unbekannt ist, brauchen die Ergebnisse unten endloses Verdoppeln, das kein Tisch erlaubt. Tisch&amp;maximum:</translation>
    </message>
    <message>
        <source>The same table maximum as on the Doubling page.</source>
        <translation>Dasselbe Tischmaximum wie auf der Seite Verdopplung.</translation>
    </message>
    <message>
        <source>What betting every advice at its stored stake would have won or lost, spin by spin; the same advice on a fair wheel loses in the long run. Once a table maximum is typed, a line ends with a mark where the table would have refused the next doubled stake.</source>
        <translation>Was das Setzen jedes Rats mit seinem gespeicherten Einsatz gewonnen oder verloren hätte, Coup für Coup; derselbe Rat verliert auf einem fairen Kessel auf Dauer. Sobald ein Tischmaximum eingetragen ist, endet eine Linie mit einer Marke, wo der Tisch den nächsten verdoppelten Einsatz abgelehnt hätte.</translation>
    </message>
    <message>
        <source>Spin %1 would have needed a stake of %2: above the table maximum.</source>
        <translation>Coup %1 hätte einen Einsatz von %2 gebraucht: über dem Tischmaximum.</translation>
    </message>
    <message>
        <source>Spin %1 would have needed a stake of %2 after %3 lost in the series: above the bankroll.</source>
        <translation>Coup %1 hätte nach %3 Verlust in der Reihe einen Einsatz von %2 gebraucht: über dem Spielkapital.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>Coup</translation>
    </message>
</context>
<context>
    <name>spinledger::PassphraseDialog</name>
    <message>
        <source>Spinledger - Passphrase</source>
        <translation>Spinledger - Passphrase</translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation>&amp;Passphrase:</translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <source>Your history is protected by a passphrase. Enter it to open Spinledger.</source>
        <translation>Ihre Geschichte ist durch eine Passphrase geschützt. Geben Sie sie ein, um Spinledger zu öffnen.</translation>
    </message>
    <message>
        <source>A passphrase cannot be recovered: if you forget it, nobody can open your history again, not Spinledger and not its makers, and your backups carry the same passphrase. Write it down and keep it safe.</source>
        <translation>Eine Passphrase lässt sich nicht wiederherstellen: Wenn Sie sie vergessen, kann niemand Ihre Geschichte wieder öffnen, weder Spinledger noch seine Hersteller, und Ihre Sicherungen tragen dieselbe Passphrase. Schreiben Sie sie auf und bewahren Sie sie sicher auf.</translation>
    </message>
    <message>
        <source>That was not the passphrase. Try %1 of %2.</source>
        <translation>Das war nicht die Passphrase. Versuch %1 von %2.</translation>
    </message>
    <message>
        <source>Type the passphrase.</source>
        <translation>Tippen Sie die Passphrase.</translation>
    </message>
    <message>
        <source>A passphrase has at least %1 characters.</source>
        <translation>Eine Passphrase hat mindestens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Choose a passphrase of your own.</source>
        <translation>Wählen Sie eine eigene Passphrase.</translation>
    </message>
    <message>
        <source>The two passphrases differ.</source>
        <translation>Die beiden Passphrasen unterscheiden sich.</translation>
    </message>
</context>
<context>
    <name>spinledger::PassphrasePanel</name>
    <message>
        <source>Passphrase</source>
        <translation>Passphrase</translation>
    </message>
    <message>
        <source>&amp;Remove passphrase…</source>
        <translation>Passphrase &amp;entfernen…</translation>
    </message>
    <message>
        <source>Your passphrase protects the database.</source>
        <translation>Ihre Passphrase schützt die Datenbank.</translation>
    </message>
    <message>
        <source>The database is scrambled with the key built into Spinledger: it keeps other programs out, not someone who has Spinledger.</source>
        <translation>Die Datenbank ist mit dem in Spinledger eingebauten Schlüssel verschlüsselt: Er hält andere Programme fern, aber niemanden, der Spinledger hat.</translation>
    </message>
    <message>
        <source>Your passphrase now protects the database and its backups.</source>
        <translation>Ihre Passphrase schützt jetzt die Datenbank und ihre Sicherungen.</translation>
    </message>
    <message>
        <source>Remove passphrase</source>
        <translation>Passphrase entfernen</translation>
    </message>
    <message>
        <source>The database goes back to the key built into Spinledger, which anyone who has Spinledger can open. Remove the passphrase?</source>
        <translation>Die Datenbank kehrt zum in Spinledger eingebauten Schlüssel zurück, den jeder öffnen kann, der Spinledger hat. Passphrase entfernen?</translation>
    </message>
    <message>
        <source>The passphrase is removed; the built-in key protects the database again.</source>
        <translation>Die Passphrase ist entfernt; der eingebaute Schlüssel schützt die Datenbank wieder.</translation>
    </message>
    <message>
        <source>Unable to change the key: %1. The database keeps the key it had.</source>
        <translation>Der Schlüssel lässt sich nicht ändern: %1. Die Datenbank behält ihren bisherigen Schlüssel.</translation>
    </message>
    <message>
        <source>Pro&amp;tect with a passphrase…</source>
        <translation>Mit einer Passphrase &amp;schützen…</translation>
    </message>
    <message>
        <source>Chan&amp;ge the passphrase…</source>
        <translation>Passphrase &amp;ändern…</translation>
    </message>
</context>
<context>
    <name>spinledger::PocketEntry</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Type the pocket: a number no other pocket begins with is recorded at once, else press Enter. Backspace edits, Esc clears, Ctrl+Z undoes.</source>
        <translation>Tippen Sie die Zahl: Eine Zahl, mit der keine andere beginnt, wird sofort aufgezeichnet, sonst Eingabe drücken. Rücktaste korrigiert, Esc löscht, Strg+Z nimmt zurück.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pocket of this wheel (0, %2%3).</source>
        <translation>„%1“ ist keine Zahl dieses Kessels (0, %2%3).</translation>
    </message>
    <message>
        <source>00 is switched off for this wheel.</source>
        <translation>00 ist für diesen Kessel ausgeschaltet.</translation>
    </message>
</context>
<context>
    <name>spinledger::PocketPanel</name>
    <message>
        <source>%1 %2: %3 spins, z = %4; %5 for one pocket, %6 as the most extreme of %7</source>
        <translation>%1 %2: %3 Coups, z = %4; %5 für eine Zahl, %6 als extremste von %7</translation>
    </message>
    <message>
        <source>Chi-square test: %1 (%2 so far).</source>
        <translation>Chi-Quadrat-Test: %1 (bisher %2).</translation>
    </message>
    <message>
        <source>Chi-square %1 with %2 degrees of freedom: %3 — %4</source>
        <translation>Chi-Quadrat %1 mit %2 Freiheitsgraden: %3 — %4</translation>
    </message>
    <message>
        <source>counts this uneven are rare on a fair wheel.</source>
        <translation>so ungleiche Anzahlen sind auf einem fairen Kessel selten.</translation>
    </message>
    <message>
        <source>no sign of a biased wheel.</source>
        <translation>kein Zeichen eines fehlerhaften Kessels.</translation>
    </message>
    <message>
        <source>Hottest</source>
        <translation>Heißeste</translation>
    </message>
    <message>
        <source>Coldest</source>
        <translation>Kälteste</translation>
    </message>
    <message>
        <source>
%1 spins on 00 are left out: 00 is switched off now.</source>
        <translation>
%1 Coups auf 00 bleiben außen vor: 00 ist jetzt ausgeschaltet.</translation>
    </message>
    <message>
        <source>Spins of each pocket. The line is what a fair wheel gives on average; about one pocket in twenty lies outside the shaded band by chance alone.</source>
        <translation>Coups jeder Zahl. Die Linie ist, was ein fairer Kessel im Mittel gibt; etwa jede zwanzigste Zahl liegt allein durch Zufall außerhalb des schattierten Bands.</translation>
    </message>
    <message>
        <source>The chi-square test asks how likely counts this uneven are on a fair wheel. The hottest and coldest pocket&apos;s p is corrected for having picked them among all pockets (Šidák). Past counts do not predict the next spin.</source>
        <translation>Der Chi-Quadrat-Test fragt, wie wahrscheinlich so ungleiche Anzahlen auf einem fairen Kessel sind. Das p der heißesten und kältesten Zahl ist dafür korrigiert, dass sie unter allen Zahlen ausgewählt wurden (Šidák). Vergangene Anzahlen sagen den nächsten Coup nicht voraus.</translation>
    </message>
    <message>
        <source>spins</source>
        <translation>Coups</translation>
    </message>
</context>
<context>
    <name>spinledger::RestoreDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The database in use is kept beside the restored one.</source>
        <translation>Die benutzte Datenbank bleibt neben der wiederhergestellten erhalten.</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Roulette spins</source>
        <translation>Roulette-Coups</translation>
    </message>
    <message>
        <source>Mini spins</source>
        <translation>Mini-Coups</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>day&apos;s first change</source>
        <translation>erste Änderung des Tages</translation>
    </message>
    <message>
        <source>asked for</source>
        <translation>angefordert</translation>
    </message>
    <message>
        <source>before an import</source>
        <translation>vor einem Import</translation>
    </message>
    <message>
        <source>before a casino&apos;s deletion</source>
        <translation>vor dem Löschen eines Casinos</translation>
    </message>
    <message>
        <source>before a restore</source>
        <translation>vor einer Wiederherstellung</translation>
    </message>
</context>
<context>
    <name>spinledger::SessionLine</name>
    <message>
        <source>Spins since the session began, what the bets ticked &quot;Play&quot; brought at the stakes shown, and the largest of those stakes</source>
        <translation>Coups seit Beginn der Sitzung, was die mit „Spielen“ angehakten Chancen mit den gezeigten Einsätzen brachten, und der größte dieser Einsätze</translation>
    </message>
    <message>
        <source>Ne&amp;w session</source>
        <translation>Neue Sitzung (&amp;W)</translation>
    </message>
    <message>
        <source>This session: %1 spins, result %2, largest stake %3</source>
        <translation>Diese Sitzung: %1 Coups, Ergebnis %2, größter Einsatz %3</translation>
    </message>
    <message>
        <source>This session: 1 spin, result %1, largest stake %2</source>
        <translation>Diese Sitzung: 1 Coup, Ergebnis %1, größter Einsatz %2</translation>
    </message>
</context>
<context>
    <name>spinledger::SpinTransfer</name>
    <message>
        <source>Undo last import</source>
        <translation>Letzten Import zurücknehmen</translation>
    </message>
    <message>
        <source>Export the spins of %1 (%2)</source>
        <translation>Die Coups von %1 exportieren (%2)</translation>
    </message>
    <message>
        <source>Nothing imported: the amount is 0, so no stake would stand. Type a base stake in Amount first.</source>
        <translation>Nichts importiert: Der Einsatz ist 0, also stünde kein Einsatz. Tippen Sie zuerst einen Grundeinsatz bei Einsatz.</translation>
    </message>
    <message>
        <source>Import spins into %1 (%2)</source>
        <translation>Coups in %1 importieren (%2)</translation>
    </message>
    <message>
        <source>There is no import of %1 to undo: a spin was recorded after it.</source>
        <translation>Es gibt keinen Import von %1 zum Zurücknehmen: Danach wurde ein Coup aufgezeichnet.</translation>
    </message>
    <message>
        <source>Removed the %1 spins of the last import from %2.</source>
        <translation>Die %1 Coups des letzten Imports aus %2 entfernt.</translation>
    </message>
    <message>
        <source>Imported %1 spins into %2, %3.</source>
        <translation>%1 Coups in %2 importiert, %3.</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Spin files (*.csv *.txt);;All files (*)</source>
        <translation>Coup-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Import spins…</source>
        <translation>Coups &amp;importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport spins…</source>
        <translation>Coups e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Exporting the spins of %1..</source>
        <translation>Exportiere die Coups von %1..</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Exported %1 spins of %2 (%3) to %4.</source>
        <translation>%1 Coups von %2 (%3) nach %4 exportiert.</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>Prüfe %1…</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Importing spins into %1…</source>
        <translation>Importiere Coups in %1…</translation>
    </message>
    <message>
        <source>Cancelling: nothing will be imported…</source>
        <translation>Breche ab: Nichts wird importiert…</translation>
    </message>
    <message>
        <source>Importing %1 of %2 spins into %3…</source>
        <translation>Importiere %1 von %2 Coups in %3…</translation>
    </message>
    <message>
        <source>Nothing imported: %1.</source>
        <translation>Nichts importiert: %1.</translation>
    </message>
    <message>
        <source>Import cancelled: nothing was changed.</source>
        <translation>Import abgebrochen: Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Copying the database into the backup folder…</source>
        <translation>Die Datenbank wird in den Sicherungsordner kopiert…</translation>
    </message>
    <message>
        <source>Imported %1 spins into %2, but the file cannot be read again: %3. Restart Spinledger to see them.</source>
        <translation>%1 Coups in %2 importiert, aber die Datei kann nicht wieder gelesen werden: %3. Starten Sie Spinledger neu, um sie zu sehen.</translation>
    </message>
</context>
<context>
    <name>spinledger::SplashWindow</name>
    <message>
        <source>the database file cannot be prepared</source>
        <translation>die Datenbankdatei lässt sich nicht vorbereiten</translation>
    </message>
    <message>
        <source> Press &apos;Esc&apos; to Exit.</source>
        <translation> Mit „Esc“ beenden.</translation>
    </message>
    <message>
        <source> There is no backup of it; &quot;spinledger-cli export --salvage&quot; writes out the spins that can still be read.</source>
        <translation> Es gibt keine Sicherung davon; „spinledger-cli export --salvage“ schreibt die Coups heraus, die sich noch lesen lassen.</translation>
    </message>
    <message>
        <source> The newest backup is of %1.</source>
        <translation> Die neueste Sicherung ist vom %1.</translation>
    </message>
    <message>
        <source>Damaged database</source>
        <translation>Beschädigte Datenbank</translation>
    </message>
    <message>
        <source>The database file is damaged; nothing will be written into it.

Restore the newest backup, of %1? The damaged file stays beside it.</source>
        <translation>Die Datenbankdatei ist beschädigt; nichts wird mehr hineingeschrieben.

Die neueste Sicherung vom %1 wiederherstellen? Die beschädigte Datei bleibt daneben erhalten.</translation>
    </message>
    <message>
        <source> The backup of %1 could not be restored: %2.</source>
        <translation> Die Sicherung vom %1 ließ sich nicht wiederherstellen: %2.</translation>
    </message>
    <message>
        <source>Unable to continue! Your history is protected by a passphrase. Press &apos;Esc&apos; to Exit.</source>
        <translation>Fortfahren nicht möglich! Ihre Geschichte ist durch eine Passphrase geschützt. Mit „Esc“ beenden.</translation>
    </message>
    <message>
        <source>Unable to continue! The passphrase was not right %1 times; start Spinledger again to try once more. Press &apos;Esc&apos; to Exit.</source>
        <translation>Fortfahren nicht möglich! Die Passphrase war %1-mal falsch; starten Sie Spinledger neu, um es noch einmal zu versuchen. Mit „Esc“ beenden.</translation>
    </message>
    <message>
        <source>Unable to continue! Unable to set User Permission!

Please set User Permission (Read/Write) manually for Directory:

%1

Then restart %2.</source>
        <translation>Fortfahren nicht möglich! Die Benutzerrechte lassen sich nicht setzen!

Bitte setzen Sie die Benutzerrechte (Lesen/Schreiben) von Hand für den Ordner:

%1

Starten Sie dann %2 neu.</translation>
    </message>
    <message>
        <source>Loading App..</source>
        <translation>Lade Programm..</translation>
    </message>
    <message>
        <source>Loading (R/W sdb)..</source>
        <translation>Lade (R/W sdb)..</translation>
    </message>
    <message>
        <source>Unable to continue! Please set User Permission manually.</source>
        <translation>Fortfahren nicht möglich! Bitte setzen Sie die Benutzerrechte von Hand.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>%1 v%2 Ready</source>
        <translation>%1 v%2 bereit</translation>
    </message>
    <message>
        <source>Unable to continue! Error Code:%1 Press &apos;Esc&apos; to Exit.</source>
        <translation>Fortfahren nicht möglich! Fehlercode:%1 Mit „Esc“ beenden.</translation>
    </message>
    <message>
        <source>Unable to continue! The lock file

%1

is held by process %2 (%3), which is not %4 of this folder. When no %4 runs from it, delete the lock file and start again.</source>
        <translation>Fortfahren nicht möglich! Die Sperrdatei

%1

hält Prozess %2 (%3), der nicht %4 aus diesem Ordner ist. Wenn kein %4 von dort läuft, löschen Sie die Sperrdatei und starten Sie neu.</translation>
    </message>
    <message>
        <source>Unable to continue! Error Code: (%1)%2. Press &apos;Esc&apos; to Exit.</source>
        <translation>Fortfahren nicht möglich! Fehlercode: (%1)%2. Mit „Esc“ beenden.</translation>
    </message>
    <message>
        <source>Setting User Permission..</source>
        <translation>Setze Benutzerrechte..</translation>
    </message>
</context>
<context>
    <name>spinledger::StatisticsTab</name>
    <message>
        <source>Wheel</source>
        <translation>Kessel</translation>
    </message>
    <message>
        <source>%1 pockets (00 %2)</source>
        <translation>%1 Zahlen (00 %2)</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>38-pocket wheel</source>
        <translation>Kessel mit 38 Fächern</translation>
    </message>
    <message>
        <source>Mini wheel</source>
        <translation>Mini-Kessel</translation>
    </message>
    <message>
        <source>The wheel whose history the figures come from.</source>
        <translation>Der Kessel, aus dessen Geschichte die Zahlen stammen.</translation>
    </message>
    <message>
        <source>The wheel&apos;s current casino; choosing another one here chooses it on the board as well.</source>
        <translation>Das aktuelle Casino des Kessels; wer hier ein anderes wählt, wählt es auch auf dem Tableau.</translation>
    </message>
    <message>
        <source>P, the pockets in play, follows the wheel&apos;s 00 switch as it is now.</source>
        <translation>P, die Zahlen im Spiel, folgt dem 00-Schalter des Kessels, wie er jetzt steht.</translation>
    </message>
    <message>
        <source>Reading the casino&apos;s history…</source>
        <translation>Lese die Geschichte des Casinos…</translation>
    </message>
    <message>
        <source>All spins</source>
        <translation>Alle Coups</translation>
    </message>
    <message>
        <source>Last spins</source>
        <translation>Letzte Coups</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Which spins every figure, chart and the history are of.</source>
        <translation>Von welchen Coups jede Zahl, jedes Diagramm und die Liste sind.</translation>
    </message>
    <message>
        <source>How many of the newest spins.</source>
        <translation>Wie viele der neuesten Coups.</translation>
    </message>
    <message>
        <source>The first day of the spins shown.</source>
        <translation>Der erste Tag der gezeigten Coups.</translation>
    </message>
    <message>
        <source>The last day of the spins shown, the whole day.</source>
        <translation>Der letzte Tag der gezeigten Coups, der ganze Tag.</translation>
    </message>
    <message>
        <source>Advice vs chance</source>
        <translation>Rat gegen Zufall</translation>
    </message>
    <message>
        <source>Pockets</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Doubling</source>
        <translation>Verdopplung</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Choose a casino for the %1 on the %2 tab.</source>
        <translation>Wählen Sie ein Casino für das %1 auf der Seite %2.</translation>
    </message>
    <message>
        <source>None of the %1 spins at %2 is of %3.

Choose another window at the top.</source>
        <translation>Keiner der %1 Coups in %2 ist aus %3.

Wählen Sie oben einen anderen Ausschnitt.</translation>
    </message>
    <message>
        <source>No spins recorded at %1 on the %2 yet.

Play on the %3 tab: from the first judged advice on, this page shows whether the advice beats chance, whether the wheel looks biased, what following the advice would have won or lost, and what doubling risks.</source>
        <translation>In %1 beim %2 sind noch keine Coups aufgezeichnet.

Spielen Sie auf der Seite %3: Ab dem ersten bewerteten Rat zeigt diese Seite, ob der Rat den Zufall schlägt, ob der Kessel fehlerhaft wirkt, was das Befolgen des Rats gewonnen oder verloren hätte und was Verdoppeln riskiert.</translation>
    </message>
    <message>
        <source>%1 · %2 spins · %3 judged · %4</source>
        <translation>%1 · %2 Coups · %3 bewertet · %4</translation>
    </message>
    <message>
        <source>: P follows the wheel&apos;s 00 switch as it is now.</source>
        <translation>: P folgt dem 00-Schalter des Kessels, wie er jetzt steht.</translation>
    </message>
    <message>
        <source>Chance and break-even are for %1 pockets. p is corrected for judging %2 categories at once; a verdict needs at least %3 judged advices. Past hits do not make the wheel predictable.</source>
        <translation>Zufall und Gewinnschwelle gelten für %1 Zahlen. p ist für die Bewertung von %2 Kategorien zugleich korrigiert; ein Urteil braucht mindestens %3 bewertete Ratschläge. Vergangene Treffer machen den Kessel nicht vorhersagbar.</translation>
    </message>
    <message>
        <source>The statistics cannot be read right now.</source>
        <translation>Die Statistik lässt sich gerade nicht lesen.</translation>
    </message>
</context>
<context>
    <name>spinledger::UpdateChecker</name>
    <message>
        <source> - Update</source>
        <translation> - Update</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>spinledger::UpdateWindow</name>
    <message>
        <source> - Update</source>
        <translation> - Update</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation>Ordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>App:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Filesize:</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation>Erscheinungsdatum:</translation>
    </message>
    <message>
        <source>%1 will now close.</source>
        <translation>%1 wird jetzt geschlossen.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
</context>
<context>
    <name>spinledger::WheelPanel</name>
    <message>
        <source>The wheel in wheel order</source>
        <translation>Der Kessel in Kesselreihenfolge</translation>
    </message>
    <message>
        <source>The mini wheel</source>
        <translation>Der Mini-Kessel</translation>
    </message>
    <message>
        <source>Every arc of %1 neighbouring pockets at every start, against its fair share.</source>
        <translation>Jeder Bogen aus %1 benachbarten Zahlen ab jedem Start, gegen seinen fairen Anteil.</translation>
    </message>
    <message>
        <source>Sectors</source>
        <translation>Sektoren</translation>
    </message>
    <message>
        <source>Classic sectors</source>
        <translation>Klassische Sektoren</translation>
    </message>
    <message>
        <source>They belong to the single-zero wheel: 00 is enabled.</source>
        <translation>Sie gehören zum Kessel mit einer Null: 00 ist eingeschaltet.</translation>
    </message>
    <message>
        <source>p is two-sided and corrected for the four sectors (Holm).</source>
        <translation>p ist zweiseitig und für die vier Sektoren korrigiert (Holm).</translation>
    </message>
    <message>
        <source>%1 pockets: %2</source>
        <translation>%1 Zahlen: %2</translation>
    </message>
    <message>
        <source>By %1:</source>
        <translation>Nach %1:</translation>
    </message>
    <message>
        <source>How many spins a verdict needs</source>
        <translation>Wie viele Coups ein Urteil braucht</translation>
    </message>
    <message>
        <source>Hottest pocket</source>
        <translation>Heißeste Zahl</translation>
    </message>
    <message>
        <source>Hottest arc</source>
        <translation>Heißester Bogen</translation>
    </message>
    <message>
        <source>The hottest was picked as the hottest: its hit rate runs high by that choice alone. Past spins do not make a fair wheel predictable.</source>
        <translation>Die Heißeste wurde als Heißeste ausgewählt: Ihre Trefferquote liegt allein durch diese Wahl hoch. Vergangene Coups machen einen fairen Kessel nicht vorhersagbar.</translation>
    </message>
    <message>
        <source>What an edge would be worth</source>
        <translation>Was ein Vorteil wert wäre</translation>
    </message>
    <message>
        <source>Hottest</source>
        <comment>arc</comment>
        <translation>Heißester</translation>
    </message>
    <message>
        <source>Coldest</source>
        <comment>arc</comment>
        <translation>Kältester</translation>
    </message>
</context>
<context>
    <name>spinledger::WheelRing</name>
    <message>
        <source>The pockets in wheel order. A spoke reaching outside the fair circle: a pocket that came more often than a fair wheel gives on average; inside it: less often. The shaded ring is the 95% band of one pocket. The outlined arc is the hottest arc of the scan.</source>
        <translation>Die Zahlen in Kesselreihenfolge. Eine Speiche über den fairen Kreis hinaus: eine Zahl, die öfter kam, als ein fairer Kessel im Mittel gibt; innerhalb: seltener. Der schattierte Ring ist das 95-%-Band einer Zahl. Der umrandete Bogen ist der heißeste Bogen der Suche.</translation>
    </message>
    <message>
        <source>%1: %2 spins (a fair wheel: %3 on average, 95% band %4 to %5)</source>
        <translation>%1: %2 Coups (ein fairer Kessel: %3 im Mittel, 95-%-Band %4 bis %5)</translation>
    </message>
    <message>
        <source>%1 spins
fair: %2</source>
        <translation>%1 Coups
fair: %2</translation>
    </message>
</context>
<context>
    <name>spinledger::WinRatioLabel</name>
    <message>
        <source>%1 Win Ratio is %2</source>
        <translation>Gewinnquote %1: %2</translation>
    </message>
</context>
<context>
    <name>spinledger::stats::FiguresText</name>
    <message>
        <source>Casino %1</source>
        <translation>Casino %1</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4 spins, %5 judged advices, %6
</source>
        <translation>%1, %2, %3: %4 Coups, %5 bewertete Ratschläge, %6
</translation>
    </message>
    <message>
        <source>
Does the advice beat chance?
</source>
        <translation>
Schlägt der Rat den Zufall?
</translation>
    </message>
    <message>
        <source>category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>judged</source>
        <translation>bewertet</translation>
    </message>
    <message>
        <source>hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>hit rate</source>
        <translation>Trefferquote</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>95-%-Intervall</translation>
    </message>
    <message>
        <source>chance</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>break-even</source>
        <translation>Gewinnschwelle</translation>
    </message>
    <message>
        <source>p (Holm)</source>
        <translation>p (Holm)</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>  chance: how often a blind bet hits; p: how likely this many hits are by blind betting,
  corrected with Holm&apos;s method for %1 categories; a verdict needs %2 judged advices.
</source>
        <translation>  Zufall: wie oft ein blinder Einsatz trifft; p: wie wahrscheinlich so viele Treffer bei blindem Setzen sind,
  korrigiert nach Holm für %1 Kategorien; ein Urteil braucht %2 bewertete Ratschläge.
</translation>
    </message>
    <message>
        <source>  %1 pocket %2: %3 spins, z = %4, %5 for one pocket, %6 for the most extreme of %7
</source>
        <translation>  %1 Zahl %2: %3 Coups, z = %4, %5 für eine Zahl, %6 für die extremste von %7
</translation>
    </message>
    <message>
        <source>
Is the wheel biased?
  %1 spins on %2 pockets: expected %3 each, 95% band %4 to %5
</source>
        <translation>
Ist der Kessel unausgewogen?
  %1 Coups auf %2 Zahlen: je %3 erwartet, 95-%-Band %4 bis %5
</translation>
    </message>
    <message>
        <source>  left out: %1 spins on 00, recorded while it was enabled
</source>
        <translation>  außen vor: %1 Coups auf 00, erfasst, als sie eingeschaltet war
</translation>
    </message>
    <message>
        <source>  chi-square: %1 (%2 so far)
</source>
        <translation>  Chi-Quadrat: %1 (bisher %2)
</translation>
    </message>
    <message>
        <source>  chi-square %1 with %2 degrees of freedom: %3
</source>
        <translation>  Chi-Quadrat %1 mit %2 Freiheitsgraden: %3
</translation>
    </message>
    <message>
        <source>hottest</source>
        <comment>pocket</comment>
        <translation>heißeste</translation>
    </message>
    <message>
        <source>coldest</source>
        <comment>pocket</comment>
        <translation>kälteste</translation>
    </message>
    <message>
        <source>
The wheel&apos;s own figures
</source>
        <translation>
Die Zahlen des Kessels selbst
</translation>
    </message>
    <message>
        <source>  sectors: every arc of %1 neighbouring pockets at every start
</source>
        <translation>  Sektoren: jeder Bogen aus %1 benachbarten Zahlen an jedem Anfang
</translation>
    </message>
    <message>
        <source>hottest</source>
        <comment>arc</comment>
        <translation>Heißester</translation>
    </message>
    <message>
        <source>coldest</source>
        <comment>arc</comment>
        <translation>Kältester</translation>
    </message>
    <message>
        <source>  classic sectors: they belong to the single-zero wheel (00 is enabled)
</source>
        <translation>  klassische Sektoren: Sie gehören zum Kessel mit einer Null (00 ist eingeschaltet)
</translation>
    </message>
    <message>
        <source>  classic sectors (p two-sided, corrected with Holm&apos;s method over the four):
</source>
        <translation>  klassische Sektoren (p zweiseitig, nach Holm über die vier korrigiert):
</translation>
    </message>
    <message>
        <source>sector</source>
        <translation>Sektor</translation>
    </message>
    <message>
        <source>pockets</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>spins</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>expected</source>
        <translation>erwartet</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>  spins a verdict needs (%1):
</source>
        <translation>  Coups, die ein Urteil braucht (%1):
</translation>
    </message>
    <message>
        <source>  what an edge would be worth (over break-even, one chip on each pocket):
</source>
        <translation>  was ein Vorteil wert wäre (über der Gewinnschwelle, ein Jeton auf jeder Zahl):
</translation>
    </message>
    <message>
        <source>hottest pocket</source>
        <translation>Heißeste Zahl</translation>
    </message>
    <message>
        <source>hottest arc</source>
        <translation>Heißester Bogen</translation>
    </message>
    <message>
        <source>played</source>
        <translation>gespielt</translation>
    </message>
    <message>
        <source>bets</source>
        <translation>Einsätze</translation>
    </message>
    <message>
        <source>wins</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>largest stake</source>
        <translation>größter Einsatz</translation>
    </message>
    <message>
        <source>longest losing run</source>
        <translation>längste Verlustserie</translation>
    </message>
    <message>
        <source>stopped at spin</source>
        <translation>gestoppt bei Coup</translation>
    </message>
    <message>
        <source>result then</source>
        <translation>Ergebnis bis dahin</translation>
    </message>
    <message>
        <source>
Had the player followed the advice (every category with a stake, played or not)
</source>
        <translation>
Wäre der Spieler dem Rat gefolgt (jede Kategorie mit Einsatz, gespielt oder nicht)
</translation>
    </message>
    <message>
        <source>  stopped: the first bet that the table maximum (%1) or the bankroll (%2) would have refused;
  result then: the result of the bets before it; empty: never stopped.
</source>
        <translation>  gestoppt: der erste Einsatz, den das Tischmaximum (%1) oder das Spielkapital (%2) abgelehnt hätte;
  Ergebnis bis dahin: das Ergebnis der Einsätze davor; leer: nie gestoppt.
</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>ohne Limit</translation>
    </message>
    <message>
        <source>
What doubling risks (base %1, table maximum %2, bankroll %3, %4 series)
</source>
        <translation>
Was die Verdopplung riskiert (Grundeinsatz %1, Tischmaximum %2, Spielkapital %3, %4 Reihen)
</translation>
    </message>
    <message>
        <source>a series busts</source>
        <translation>eine Reihe platzt</translation>
    </message>
    <message>
        <source>a bust loses</source>
        <translation>Verlust beim Platzen</translation>
    </message>
    <message>
        <source>expected per series</source>
        <translation>erwartet je Reihe</translation>
    </message>
    <message>
        <source>1+ bust in %1 series</source>
        <translation>1+ geplatzt in %1 Reihen</translation>
    </message>
    <message>
        <source>stake it needed</source>
        <translation>nötiger Einsatz</translation>
    </message>
    <message>
        <source>None of the casino&apos;s spins is in this window: nothing to judge.
</source>
        <translation>Keiner der Coups des Casinos liegt in diesem Ausschnitt: Nichts zu bewerten.
</translation>
    </message>
    <message>
        <source>No spins recorded yet: nothing to judge.
</source>
        <translation>Noch keine Coups erfasst: Nichts zu bewerten.
</translation>
    </message>
    <message>
        <source>%1 (id %2)</source>
        <translation>%1 (Nr. %2)</translation>
    </message>
</context>
<context>
    <name>spinledger::stats::WheelFormat</name>
    <message>
        <source>The mini wheel has no standard wheel order: its pockets are shown in table order only.</source>
        <translation>Der Mini-Kessel hat keine übliche Kesselreihenfolge: Seine Zahlen stehen nur in Tableaureihenfolge.</translation>
    </message>
    <message>
        <source>double-zero wheel, clockwise from 0</source>
        <translation>Kessel mit Doppelnull, im Uhrzeigersinn ab 0</translation>
    </message>
    <message>
        <source>single-zero wheel, clockwise from 0</source>
        <translation>Kessel mit einer Null, im Uhrzeigersinn ab 0</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>not enough spins: the sector tests need at least %1 (%2 so far)</source>
        <translation>zu wenige Coups: Die Sektortests brauchen mindestens %1 (bisher %2)</translation>
    </message>
    <message>
        <source>%1 arc %2 (%3 pockets): %4 spins, expected %5, z = %6</source>
        <translation>%1 Bogen %2 (%3 Zahlen): %4 Coups, erwartet %5, z = %6</translation>
    </message>
    <message>
        <source>; %1 ± %2 as the most extreme of %3 arcs (%4 fair histories simulated)</source>
        <translation>; %1 ± %2 als extremster von %3 Bögen (%4 faire Geschichten simuliert)</translation>
    </message>
    <message>
        <source>over the %1 pockets (an arc: over the %1 arcs of its width)</source>
        <translation>über die %1 Zahlen (ein Bogen: über die %1 Bögen seiner Breite)</translation>
    </message>
    <message>
        <source>over the %1 pockets</source>
        <translation>über die %1 Zahlen</translation>
    </message>
    <message>
        <source>a one-sided test at 5%, Šidák-corrected %1, with 80% power</source>
        <translation>ein einseitiger Test bei 5 %, Šidák-korrigiert %1, mit 80 % Teststärke</translation>
    </message>
    <message>
        <source>to see a %1 edge on one pocket you need about %2 spins</source>
        <translation>um einen Vorteil von %1 auf einer Zahl zu sehen, brauchen Sie etwa %2 Coups</translation>
    </message>
    <message>
        <source>, on an arc of %1 about %2</source>
        <translation>, auf einem Bogen aus %1 etwa %2</translation>
    </message>
    <message>
        <source>; this casino has %1</source>
        <translation>; dieses Casino hat %1</translation>
    </message>
    <message>
        <source>no edge shown: Kelly says bet nothing</source>
        <translation>kein Vorteil gezeigt: Kelly rät, nichts zu setzen</translation>
    </message>
    <message>
        <source>Kelly at the interval&apos;s lower end: %1 of the bankroll</source>
        <translation>Kelly am unteren Ende des Intervalls: %1 des Spielkapitals</translation>
    </message>
    <message>
        <source>95% interval for the hottest of %1</source>
        <translation>95-%-Intervall für die heißeste von %1</translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation>95-%-Intervall</translation>
    </message>
    <message>
        <source>%1 %2: %3 hits in %4 spins (%5; break-even %6 at %7): edge %8, %9 %10 to %11 — %12</source>
        <translation>%1 %2: %3 Treffer in %4 Coups (%5; Gewinnschwelle %6 bei %7): Vorteil %8, %9 %10 bis %11 — %12</translation>
    </message>
    <message>
        <source>; %1: none of %2 fair histories simulated had an arc this far out among its %3</source>
        <translation>; %1: Keine von %2 simulierten fairen Geschichten hatte unter ihren %3 einen so weit abweichenden Bogen</translation>
    </message>
</context>
<context>
    <name>updatetexts</name>
    <message>
        <source>Check for updates..</source>
        <translation>Suche nach Updates..</translation>
    </message>
    <message>
        <source>No Update available.</source>
        <translation>Kein Update verfügbar.</translation>
    </message>
    <message>
        <source>A new version is available! Download and Update now?</source>
        <translation>Eine neue Version ist verfügbar! Jetzt herunterladen und aktualisieren?</translation>
    </message>
    <message>
        <source>Downloading..</source>
        <translation>Lade herunter..</translation>
    </message>
    <message>
        <source>New Version Available!</source>
        <translation>Neue Version verfügbar!</translation>
    </message>
    <message>
        <source>Continue Update?</source>
        <translation>Update fortsetzen?</translation>
    </message>
    <message>
        <source>Update check failed: the update service cannot be reached.</source>
        <translation>Update-Suche fehlgeschlagen: Der Update-Dienst ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Update check failed: the update service did not answer in time.</source>
        <translation>Update-Suche fehlgeschlagen: Der Update-Dienst hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>Update check failed: the update service sent an incomplete answer.</source>
        <translation>Update-Suche fehlgeschlagen: Der Update-Dienst hat eine unvollständige Antwort geschickt.</translation>
    </message>
    <message>
        <source>Update check failed: the offered file size cannot be read.</source>
        <translation>Update-Suche fehlgeschlagen: Die angebotene Dateigröße lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Update check failed: the offered release date cannot be read.</source>
        <translation>Update-Suche fehlgeschlagen: Das angebotene Erscheinungsdatum lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>Update check failed: the offered file name is not a plain file name.</source>
        <translation>Update-Suche fehlgeschlagen: Der angebotene Dateiname ist kein einfacher Dateiname.</translation>
    </message>
    <message>
        <source>Update check failed: the download address is not a secure (https) address.</source>
        <translation>Update-Suche fehlgeschlagen: Die Download-Adresse ist keine sichere (https-)Adresse.</translation>
    </message>
    <message>
        <source>Update check failed: the update service&apos;s address is not a secure (https) address.</source>
        <translation>Update-Suche fehlgeschlagen: Die Adresse des Update-Dienstes ist keine sichere (https-)Adresse.</translation>
    </message>
    <message>
        <source>Update check failed: the update service&apos;s answer is too long.</source>
        <translation>Update-Suche fehlgeschlagen: Die Antwort des Update-Dienstes ist zu lang.</translation>
    </message>
    <message>
        <source>Update check failed: the offered SHA-256 checksum is not 64 hexadecimal digits.</source>
        <translation>Update-Suche fehlgeschlagen: Die angebotene SHA-256-Prüfsumme hat nicht 64 Hexadezimalziffern.</translation>
    </message>
    <message>
        <source>Update check cancelled.</source>
        <translation>Update-Suche abgebrochen.</translation>
    </message>
    <message>
        <source>Download failed: the server cannot be reached.</source>
        <translation>Download fehlgeschlagen: Der Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Download failed: the server did not answer in time.</source>
        <translation>Download fehlgeschlagen: Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>Download failed: the server redirected to an address that is not secure.</source>
        <translation>Download fehlgeschlagen: Der Server hat auf eine unsichere Adresse umgeleitet.</translation>
    </message>
    <message>
        <source>Download failed: the installer can only be saved in the application folder.</source>
        <translation>Download fehlgeschlagen: Das Installationsprogramm lässt sich nur im Programmordner speichern.</translation>
    </message>
    <message>
        <source>Download failed: the package can only be saved in your download folder.</source>
        <translation>Download fehlgeschlagen: Das Paket lässt sich nur in Ihrem Download-Ordner speichern.</translation>
    </message>
    <message>
        <source>Unable to open the download folder.</source>
        <translation>Der Download-Ordner lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The package is saved and checked. Spinledger is installed for the whole machine and is updated by the package manager: in a terminal in %1, run

    %2</source>
        <translation>Das Paket ist gespeichert und geprüft. Spinledger ist für den ganzen Rechner installiert und wird von der Paketverwaltung aktualisiert: Führen Sie in einem Terminal in %1 aus:

    %2</translation>
    </message>
    <message>
        <source>Downloaded; install it with the package manager.</source>
        <translation>Heruntergeladen; installieren Sie es mit der Paketverwaltung.</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>Download abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to start the installer.</source>
        <translation>Das Installationsprogramm lässt sich nicht starten.</translation>
    </message>
    <message>
        <source>Download failed: the file does not match its published SHA-256 checksum and was deleted.</source>
        <translation>Download fehlgeschlagen: Die Datei passt nicht zu ihrer veröffentlichten SHA-256-Prüfsumme und wurde gelöscht.</translation>
    </message>
    <message>
        <source>Download failed: the server answered %1.</source>
        <translation>Download fehlgeschlagen: Der Server antwortete %1.</translation>
    </message>
    <message>
        <source>Download failed: %1 of %2 bytes received. The installer was not started.</source>
        <translation>Download fehlgeschlagen: %1 von %2 Byte empfangen. Das Installationsprogramm wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>Download failed: the server sends %1 bytes, but %2 were offered.</source>
        <translation>Download fehlgeschlagen: Der Server schickt %1 Byte, angeboten waren aber %2.</translation>
    </message>
    <message>
        <source>Download failed: more than the offered %1 bytes arrived.</source>
        <translation>Download fehlgeschlagen: Mehr als die angebotenen %1 Byte kamen an.</translation>
    </message>
    <message>
        <source>Download failed: unable to write %1.</source>
        <translation>Download fehlgeschlagen: %1 lässt sich nicht schreiben.</translation>
    </message>
</context>
</TS>
