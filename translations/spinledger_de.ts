<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AmountText</name>
    <message>
        <source>Please enter numbers only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Amount. Max 3 chars.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backtest</name>
    <message>
        <source>No scratch database in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupFolder</name>
    <message>
        <source>%1 exists already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy failed its check (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be kept beside the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be replaced</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CasinoStore</name>
    <message>
        <source>Another casino is already named &quot;%1&quot;: choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellPictures</name>
    <message>
        <source>EVEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ODD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 to 18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19 to 36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 to 1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoinLabels</name>
    <message>
        <source>Stake %1 is above the table maximum %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet %1 here</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 --help lists the options)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DbReason</name>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is no Spinledger database, or it is damaged at its start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>access to the database file is not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is using the database file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer is out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is too large for this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value is too large for the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file was changed by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file does not hold what Spinledger expects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is empty (0 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is still being checked; try again in a moment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopUrlOpener</name>
    <message>
        <source>Not opened: only web and mail addresses are opened, not &quot;%1:&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorCodes</name>
    <message>
        <source>Unable to continue! Error Code: (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a casino from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyze &apos;%1&apos;..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoneyAxis</name>
    <message>
        <source>log scale</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Salvage</name>
    <message>
        <source>The file could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Write the copy to this file instead of the backups folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no backup written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the database into its backups folder (or --out FILE), checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the backups of the database, newest first, with their spins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the database file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the database file for damage (exit 0 sound, 1 damaged).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a damaged database: every spin row that can still be read, in order (--casino optional, by its id).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--casino takes the casino&apos;s id with --salvage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvaged %1 spins of the %2 wheel%3; %4 rows could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spinledger is open on %1: close its window first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no backup %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spinledger-cli: no backup before the restore: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing restored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored %1 into %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file that was in use is kept as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put a backup in place of the database (the window must be closed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the database file is damaged; nothing was written (spinledger-cli check tells what, spinledger-cli backups lists the copies to restore)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no backup was taken: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleeperMarks</name>
    <message>
        <source>%1 last came %2 spins ago.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has not come in the %2 spins recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last %1 spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %1 spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times in %2; %3 expected on a fair wheel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A gap of %1 spins or more comes with a chance of %2 on a fair wheel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a long gap does not make a pocket due</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpinFileReader</name>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, cell %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>binary data, so this is no spin file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cells parted by spaces are read as a list of pockets; the columns of a table are parted by commas, semicolons or tabs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hold numbers, and no header row names the pocket column (pocket, number, spin or result)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the row holds more cells than the %1 columns of the header row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the row holds more cells than the %1 columns of the first row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no pocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00 is switched off for this wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pocket of this wheel (0, %2%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the date and time are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no ISO 8601 date and time (such as 2026-12-06T18:00:00)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is before 1900-01-01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is more than a day after the moment of the import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is earlier than the spin before it (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is earlier than the casino&apos;s newest spin (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpinImport</name>
    <message>
        <source>The file has not been checked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpinList</name>
    <message>
        <source>read as a list of 1 pocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as a list of %1 pockets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as a table, pockets from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read as a table, pockets from %1, stamps from %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpinSource</name>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a spin file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a device or special file, not a spin file or pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than 50 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a pipe that nobody writes to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>, please Wait ....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableText</name>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bet a doubling series is played on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many bets one series can make before the next stake would break the table maximum or the bankroll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series busts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance that every bet of one series loses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bust loses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a series that busts has lost: all its stakes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What one series wins or loses on average, busts included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bust in N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chance of at least one bust in the next N series.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most advices in a row that lost in this casino&apos;s history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stake needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stake of the bet after that run: what it took to win it all back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bet the advice was given for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether &quot;Play&quot; is ticked for it on the board now; the figures count every advice either way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result at the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won minus lost over the bets the table maximum or bankroll typed on the Doubling page allows: where a doubling would have needed a larger stake, a real table stops it, and so does this result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped at spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first bet the table maximum or bankroll would have refused: a real table ends the doubling there. Empty: never.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged advices, each bet at the stake its advice stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many of these bets won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result without a limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won minus lost over all these bets, as if any stake were allowed: a win pays the stake times the payout, a loss costs the stake. Only endless doubling makes it; no table allows that.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest stake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest stake the doubling reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The most advices in a row that lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bet the advice was given for; under it, what the numbers say.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many advices of this casino were judged against the spin that followed them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many of the judged advices won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits divided by judged advices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the advice&apos;s true hit rate lies with 95% confidence (Wilson); it narrows as spins add up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How often a blind bet on this category wins with the pockets in play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hit rate at which the payout just returns the stakes; below it the bet loses in the long run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How likely this many hits or more are by blind betting, corrected for judging every category at once (Holm); below 0.05 counts as beating chance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The verdict: does the advice hit more often than a blind bet would, and is its hit rate shown to be above break-even?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sector&apos;s name; its pockets in the tool tip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins that landed in the sector.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a fair wheel gives the sector on average.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard deviations from the expected count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p (Holm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How likely a count this far out, hot or cold, is on a fair wheel, corrected for judging the four sectors at once (Holm).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <source>Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black/Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even/Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2TO1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low/High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dozens</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger</name>
    <message>
        <source>the copy is damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::BackupGuard</name>
    <message>
        <source>Backup failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::BoardWidget</name>
    <message>
        <source>Type a base stake in Amount: with an amount of 0 no stake stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin recorded, but no stake stands while the amount is 0: type a base stake in Amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount set to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop-loss %1 reached: this session is at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target %1 reached: this session is at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recounting the casino&apos;s history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win Ratio (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable 00 Roulette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable 00 Miniroulette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount/Coins you bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Casino</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;UNDO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::CasinoPanel</name>
    <message>
        <source>With it go %1 %2 spins and %3 %4 spins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casino name required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casino name too long. Max 100 chars allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a Casino from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casino List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;pdate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casino &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot;? All data associated with this casino will be deleted.<byte value="xd"/>
<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::DoublingPanel</name>
    <message>
        <source>A series starts at the wheel&apos;s Amount, typed on its board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table &amp;maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest stake the table accepts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bankroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you can lose in one series; empty: no limit but the table&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many series ahead the chance of a bust is reckoned for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table maximum: please enter an amount above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bankroll: please enter an amount above 0, or leave it empty for no limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series: please enter a whole number from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base stake %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bust in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run this long would have busted a series of %1 bets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doubling does not change the odds: a series that wins gains little, a bust gives back the gains of many. A run here as long as the bets of a series would have busted it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::HistoryModel</name>
    <message>
        <source>The advice judged at this spin, its stake and whether it won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::HistoryPanel</name>
    <message>
        <source>&amp;Pocket:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List every spin, or only the spins of one pocket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All pockets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00/00/0000 00:00 PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest first; spins numbered in the casino&apos;s whole history.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::HistoryView</name>
    <message>
        <source>Played</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::KeyboardHelp</name>
    <message>
        <source>0 – 36, 00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the pocket that came; a number no other pocket begins with is recorded at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the typed pocket; in Amount: keep the amount and type pockets again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace / Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take back the last typed digit / clear what was typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z, Alt+U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last spin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset: stake the advice anew at the amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount: the base stake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Casino of the board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00: switch the 00 pocket on or off (then Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+N, B, E, L, D, 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play box of Numbers, Black/Red, Even/Odd, Low/High, Dozens, 2TO1 (then Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New session: count spins and money from here on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins since last hit: show or hide the gaps on the cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next / previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the check box or press the button that has the focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+1 – Ctrl+4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Roulette, Miniroulette, Settings or Statistics tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+F, Alt+V, Alt+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File, View and Help menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::LimitsPanel</name>
    <message>
        <source>Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop-loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The largest stake the table takes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loss of a session at which you stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The win of a session you play for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A limit is an amount above 0, or empty for none.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::MainWindow</name>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue the session of %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore from backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins since last hit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot and cold over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last 100 spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last 500 spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> There is no backup of it; &quot;spinledger-cli export --salvage&quot; writes out the spins that can still be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The newest backup is of %1: File → &quot;Restore from backup…&quot; puts it in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no backup in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring the backup..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored the backup %1; the file that was in use is kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check is not part of this build.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::MoneyPanel</name>
    <message>
        <source>boxMoneyTableMax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the table maximum here? Until it is known, the results below need endless doubling, which no table allows. Table &amp;maximum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same table maximum as on the Doubling page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What betting every advice at its stored stake would have won or lost, spin by spin; the same advice on a fair wheel loses in the long run. Once a table maximum is typed, a line ends with a mark where the table would have refused the next doubled stake.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin %1 would have needed a stake of %2: above the table maximum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin %1 would have needed a stake of %2 after %3 lost in the series: above the bankroll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::PassphraseDialog</name>
    <message>
        <source>Spinledger - Passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Passphrase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repeat it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your history is protected by a passphrase. Enter it to open Spinledger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A passphrase cannot be recovered: if you forget it, nobody can open your history again, not Spinledger and not its makers, and your backups carry the same passphrase. Write it down and keep it safe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That was not the passphrase. Try %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the passphrase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A passphrase has at least %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a passphrase of your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two passphrases differ.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::PassphrasePanel</name>
    <message>
        <source>Passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect wit&amp;h a passphrase…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove passphrase…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your passphrase protects the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is scrambled with the key built into Spinledger: it keeps other programs out, not someone who has Spinledger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange the passphrase…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your passphrase now protects the database and its backups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove passphrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database goes back to the key built into Spinledger, which anyone who has Spinledger can open. Remove the passphrase?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passphrase is removed; the built-in key protects the database again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to change the key: %1. The database keeps the key it had.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::PocketEntry</name>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the pocket: a number no other pocket begins with is recorded at once, else press Enter. Backspace edits, Esc clears, Ctrl+Z undoes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no pocket of this wheel (0, %2%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00 is switched off for this wheel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::PocketPanel</name>
    <message>
        <source>%1 %2: %3 spins, z = %4; %5 for one pocket, %6 as the most extreme of %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chi-square test: %1 (%2 so far).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chi-square %1 with %2 degrees of freedom: %3 — %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counts this uneven are rare on a fair wheel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sign of a biased wheel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hottest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coldest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
%1 spins on 00 are left out: 00 is switched off now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spins of each pocket. The line is what a fair wheel gives on average; about one pocket in twenty lies outside the shaded band by chance alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chi-square test asks how likely counts this uneven are on a fair wheel. The hottest and coldest pocket&apos;s p is corrected for having picked them among all pockets (Šidák). Past counts do not predict the next spin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spins</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::RestoreDialog</name>
    <message>
        <source>Restore from backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database in use is kept beside the restored one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roulette spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mini spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day&apos;s first change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before an import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before a casino&apos;s deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before a restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::SessionLine</name>
    <message>
        <source>Spins since the session began, what the bets ticked &quot;Play&quot; brought at the stakes shown, and the largest of those stakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;w session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session: %1 spins, result %2, largest stake %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::SpinTransfer</name>
    <message>
        <source>Undo last import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the spins of %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing imported: the amount is 0, so no stake would stand. Type a base stake in Amount first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import spins into %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no import of %1 to undo: a spin was recorded after it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed the %1 spins of the last import from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 spins into %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin files (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import spins…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport spins…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting the spins of %1..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 spins of %2 (%3) to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing spins into %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling: nothing will be imported…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1 of %2 spins into %3…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing imported: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import cancelled: nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::SplashWindow</name>
    <message>
        <source>the database file cannot be prepared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Press &apos;Esc&apos; to Exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> There is no backup of it; &quot;spinledger-cli export --salvage&quot; writes out the spins that can still be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The newest backup is of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file is damaged; nothing will be written into it.

Restore the newest backup, of %1? The damaged file stays beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The backup of %1 could not be restored: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! Your history is protected by a passphrase. Press &apos;Esc&apos; to Exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! The passphrase was not right %1 times; start Spinledger again to try once more. Press &apos;Esc&apos; to Exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! Unable to set User Permission!

Please set User Permission (Read/Write) manually for Directory:

%1

Then restart %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading App..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading (R/W sdb)..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! Please set User Permission manually.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 v%2 Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! Error Code:%1 Press &apos;Esc&apos; to Exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! The lock file

%1

is held by process %2 (%3), which is not %4 of this folder. When no %4 runs from it, delete the lock file and start again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! Error Code: (%1)%2. Press &apos;Esc&apos; to Exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting User Permission..</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::StatisticsTab</name>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pockets (00 %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38-pocket wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mini wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel whose history the figures come from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wheel&apos;s current casino; choosing another one here chooses it on the board as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P, the pockets in play, follows the wheel&apos;s 00 switch as it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>barStatsBusy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the casino&apos;s history…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which spins every figure, chart and the history are of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many of the newest spins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first day of the spins shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last day of the spins shown, the whole day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tabsStats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advice vs chance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pockets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doubling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a casino for the %1 on the %2 tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the %1 spins at %2 is of %3.

Choose another window at the top.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No spins recorded at %1 on the %2 yet.

Play on the %3 tab: from the first judged advice on, this page shows whether the advice beats chance, whether the wheel looks biased, what following the advice would have won or lost, and what doubling risks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 spins · %3 judged · %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: P follows the wheel&apos;s 00 switch as it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chance and break-even are for %1 pockets. p is corrected for judging %2 categories at once; a verdict needs at least %3 judged advices. Past hits do not make the wheel predictable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The statistics cannot be read right now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::UpdateChecker</name>
    <message>
        <source> - Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::UpdateWindow</name>
    <message>
        <source> - Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filesize:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, please Wait ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 will now close.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::UserDatabase</name>
    <message>
        <source>Unable to continue! The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! Your spins in %1 could not be copied (%2); they stay there. Press &apos;Esc&apos; to Exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your %1 spins were copied from %2, which stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to continue! %1 cannot be made from %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy differs from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::WheelPanel</name>
    <message>
        <source>The wheel in wheel order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mini wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every arc of %1 neighbouring pockets at every start, against its fair share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hottest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coldest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic sectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They belong to the single-zero wheel: 00 is enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p is two-sided and corrected for the four sectors (Holm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pockets: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many spins a verdict needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hottest pocket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hottest arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hottest was picked as the hottest: its hit rate runs high by that choice alone. Past spins do not make a fair wheel predictable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What an edge would be worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scrollWheelFigures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::WheelRing</name>
    <message>
        <source>The pockets in wheel order. A spoke reaching outside the fair circle: a pocket that came more often than a fair wheel gives on average; inside it: less often. The shaded ring is the 95% band of one pocket. The outlined arc is the hottest arc of the scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 spins (a fair wheel: %3 on average, 95% band %4 to %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 spins
fair: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheelRing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::WinRatioLabel</name>
    <message>
        <source>%1 Win Ratio is %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>spinledger::stats::WheelFormat</name>
    <message>
        <source>The mini wheel has no standard wheel order: its pockets are shown in table order only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double-zero wheel, clockwise from 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single-zero wheel, clockwise from 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough spins: the sector tests need at least %1 (%2 so far)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 arc %2 (%3 pockets): %4 spins, expected %5, z = %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; p ≤ %1: none of %2 fair histories simulated had an arc this far out among its %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 ± %2 as the most extreme of %3 arcs (%4 fair histories simulated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over the %1 pockets (an arc: over the %1 arcs of its width)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>over the %1 pockets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a one-sided test at 5%, Šidák-corrected %1, with 80% power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to see a %1 edge on one pocket you need about %2 spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, on an arc of %1 about %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; this casino has %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no edge shown: Kelly says bet nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelly at the interval&apos;s lower end: %1 of the bankroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95% interval for the hottest of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95% interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: %3 hits in %4 spins (%5; break-even %6 at %7): edge %8, %9 %10 to %11 — %12</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>updatetexts</name>
    <message>
        <source>Check for updates..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Update available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version is available! Download and Update now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Version Available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the update service cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the update service did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the update service sent an incomplete answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the offered file size cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the offered release date cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the offered file name is not a plain file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the download address is not a secure (https) address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the update service&apos;s address is not a secure (https) address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the update service&apos;s answer is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check failed: the offered SHA-256 checksum is not 64 hexadecimal digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update check cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the server cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the server did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the server redirected to an address that is not secure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the installer can only be saved in the application folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the package can only be saved in your download folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open the download folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package is saved and checked. Spinledger is installed for the whole machine and is updated by the package manager: in a terminal in %1, run

    %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded; install it with the package manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to start the installer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the file does not match its published SHA-256 checksum and was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the server answered %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: %1 of %2 bytes received. The installer was not started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: the server sends %1 bytes, but %2 were offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: more than the offered %1 bytes arrived.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download failed: unable to write %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
