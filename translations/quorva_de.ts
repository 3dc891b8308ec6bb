<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AuthoringJob</name>
    <message>
        <source>Creating dvd image ...</source>
        <translation>DVD-Ordner wird erstellt ...</translation>
    </message>
    <message>
        <source>Can&apos;t create the DVD folder %1: %2</source>
        <translation>Der DVD-Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create a DVD folder in %1</source>
        <translation>In %1 kann kein DVD-Ordner angelegt werden</translation>
    </message>
    <message>
        <source>Can&apos;t write the DVD project: %1</source>
        <translation>Das DVD-Projekt kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Creating the DVD folder %1 failed: %2</source>
        <translation>Das Erstellen des DVD-Ordners %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>no VIDEO_TS was written.</source>
        <translation>es wurde kein VIDEO_TS geschrieben.</translation>
    </message>
    <message>
        <source>Please insert a blank disc and click OK .</source>
        <translation>Bitte legen Sie einen leeren Rohling ein und klicken Sie auf OK.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The DVD folder %1</source>
        <translation>Der DVD-Ordner %1</translation>
    </message>
    <message>
        <source>Writing disc image ...</source>
        <translation>Disc-Abbild wird geschrieben ...</translation>
    </message>
    <message>
        <source>Start burn to dvd disc ...</source>
        <translation>Brennen auf DVD beginnt ...</translation>
    </message>
    <message>
        <source>No disc burner is available.</source>
        <translation>Es ist kein Brenner verfügbar.</translation>
    </message>
    <message>
        <source>The disc image %1</source>
        <translation>Das Disc-Abbild %1</translation>
    </message>
    <message>
        <source>The burnt disc in %1</source>
        <translation>Die gebrannte Disc in %1</translation>
    </message>
    <message>
        <source>The burn failed.</source>
        <translation>Das Brennen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>the converted stream lasts %1 s, but the video was found to last %2 s when it was added; it may have changed or been cut short since.</source>
        <translation>der umgewandelte Datenstrom dauert %1 s, das Video dauerte beim Hinzufügen aber %2 s; es wurde seitdem vielleicht geändert oder gekürzt.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: the file no longer exists.</source>
        <translation>%1 kann nicht umgewandelt werden: Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: %2</source>
        <translation>%1 kann nicht umgewandelt werden: %2</translation>
    </message>
    <message>
        <source>another run of the program is writing it.</source>
        <translation>ein anderer Lauf des Programms schreibt sie gerade.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Converting %1 ...</source>
        <translation>%1 wird umgewandelt ...</translation>
    </message>
    <message>
        <source>no stream was written.</source>
        <translation>es wurde kein Datenstrom geschrieben.</translation>
    </message>
    <message>
        <source>the file was changed or replaced while it was converted; make the disc again once it is complete.</source>
        <translation>die Datei wurde während der Umwandlung geändert oder ersetzt; erstellen Sie die Disc erneut, sobald sie vollständig ist.</translation>
    </message>
    <message>
        <source>Converting %1 failed: %2</source>
        <translation>Das Umwandeln von %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Disc check of %1:</source>
        <translation>Disc-Prüfung von %1:</translation>
    </message>
    <message>
        <source>%1 failed the disc check: %2.</source>
        <translation>%1 hat die Disc-Prüfung nicht bestanden: %2.</translation>
    </message>
    <message>
        <source>The engine library %1 is missing.</source>
        <translation>Die Bibliothek %1 fehlt.</translation>
    </message>
    <message>
        <source>The engine library %1 could not be run (entry &quot;%2&quot;).</source>
        <translation>Die Bibliothek %1 konnte nicht ausgeführt werden (Einsprung „%2“).</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 ist nicht verwendbar: %2.</translation>
    </message>
    <message>
        <source>No working folder is set.</source>
        <translation>Es ist kein Arbeitsordner eingestellt.</translation>
    </message>
    <message>
        <source>Can&apos;t create working folder! %1: %2.</source>
        <translation>Der Arbeitsordner kann nicht angelegt werden! %1: %2.</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written: %2.</source>
        <translation>In den Arbeitsordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Not enough free space in the working folder %1: about %2 MB are needed, %3 MB are free.</source>
        <translation>Nicht genug freier Platz im Arbeitsordner %1: etwa %2 MB werden gebraucht, %3 MB sind frei.</translation>
    </message>
    <message>
        <source>The disc cannot be made until these problems are solved:</source>
        <translation>Die Disc kann erst erstellt werden, wenn diese Probleme gelöst sind:</translation>
    </message>
    <message>
        <source>Converting media files to vob ...</source>
        <translation>Mediendateien werden in VOB umgewandelt ...</translation>
    </message>
    <message>
        <source>The job stopped on an unexpected error: %1</source>
        <translation>Der Auftrag wurde durch einen unerwarteten Fehler beendet: %1</translation>
    </message>
    <message>
        <source>Reusing %1, converted earlier from %2.</source>
        <translation>%1 wird wiederverwendet, früher aus %2 umgewandelt.</translation>
    </message>
    <message>
        <source>%1 returned %2.</source>
        <translation>%1 hat %2 zurückgegeben.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the record %1 cannot be written: %2.</source>
        <translation>die Aufzeichnung %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>Burner</name>
    <message>
        <source>Writing image ...</source>
        <translation>Abbild wird geschrieben ...</translation>
    </message>
    <message>
        <source>Closing disc ...</source>
        <translation>Disc wird abgeschlossen ...</translation>
    </message>
    <message>
        <source>Verifying disc ...</source>
        <translation>Disc wird geprüft ...</translation>
    </message>
    <message>
        <source>Preparing the DVD file system of &quot;%1&quot; ...</source>
        <translation>Das DVD-Dateisystem von „%1“ wird vorbereitet ...</translation>
    </message>
    <message>
        <source>Verifying disc image &quot;%1&quot; ...</source>
        <translation>Disc-Abbild „%1“ wird geprüft ...</translation>
    </message>
    <message>
        <source>Writing disc image &quot;%1&quot; ...</source>
        <translation>Disc-Abbild „%1“ wird geschrieben ...</translation>
    </message>
    <message>
        <source>Written %1% ...</source>
        <translation>%1 % geschrieben ...</translation>
    </message>
    <message>
        <source>Disc image written to &quot;%1&quot;.</source>
        <translation>Disc-Abbild geschrieben: „%1“.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>There is no burn speed of %1 times DVD speed: choose 1 to %2, or 0 for the drive&apos;s best.</source>
        <translation>Es gibt keine %1-fache DVD-Brenngeschwindigkeit: Wählen Sie 1 bis %2, oder 0 für das Beste, was das Laufwerk kann.</translation>
    </message>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Im Laufwerk liegt keine Disc.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank.</source>
        <translation>Die Disc im Laufwerk ist nicht leer.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written.</source>
        <translation>Die Disc im Laufwerk kann nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>Burn cancelled.</source>
        <translation>Brennen abgebrochen.</translation>
    </message>
    <message>
        <source>The disc cannot be read back (%1 of %2 read).</source>
        <translation>Die Disc kann nicht zurückgelesen werden (%1 von %2 gelesen).</translation>
    </message>
    <message>
        <source>Cannot read the disc image stream.</source>
        <translation>Der Datenstrom des Disc-Abbilds kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot buffer the disc image stream.</source>
        <translation>Der Datenstrom des Disc-Abbilds kann nicht gepuffert werden.</translation>
    </message>
    <message>
        <source>Cannot open the drive &quot;%1&quot;.</source>
        <translation>Das Laufwerk „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot attach the disc image stream.</source>
        <translation>Der Datenstrom des Disc-Abbilds kann nicht angebunden werden.</translation>
    </message>
    <message>
        <source>The disc cannot be written this way: %1</source>
        <translation>Die Disc kann so nicht beschrieben werden: %1</translation>
    </message>
    <message>
        <source>Not enough free space for the disc image in the folder %1: %2 needed, %3 free.</source>
        <translation>Nicht genug freier Platz für das Disc-Abbild im Ordner %1: %2 nötig, %3 frei.</translation>
    </message>
    <message>
        <source>Not enough free space on the disc: %1 needed, %2 free.</source>
        <translation>Nicht genug freier Platz auf der Disc: %1 nötig, %2 frei.</translation>
    </message>
    <message>
        <source>Writing the disc failed.</source>
        <translation>Das Beschreiben der Disc ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The disc does not hold what was written: the data read back (%1) differ from the image sent (%2).</source>
        <translation>Die Disc enthält nicht, was geschrieben wurde: die zurückgelesenen Daten (%1) weichen vom gesendeten Abbild (%2) ab.</translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; is left out: %2</source>
        <translation>Das Laufwerk „%1“ wird ausgelassen: %2</translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; could not be examined.</source>
        <translation>Das Laufwerk „%1“ konnte nicht untersucht werden.</translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; could not be examined: %2.</source>
        <translation>Das Laufwerk „%1“ konnte nicht untersucht werden: %2.</translation>
    </message>
    <message>
        <source>The DVD folder &quot;%1&quot; does not exist.</source>
        <translation>Den DVD-Ordner „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not a VIDEO_TS folder.</source>
        <translation>Der Ordner „%1“ ist kein VIDEO_TS-Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no DVD-Video (VIDEO_TS.IFO is missing).</source>
        <translation>Der Ordner „%1“ enthält kein DVD-Video (VIDEO_TS.IFO fehlt).</translation>
    </message>
    <message>
        <source>Cannot create the disc image file &quot;%1&quot;: %2.</source>
        <translation>Die Disc-Abbild-Datei „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot find a free name for the disc image beside &quot;%1&quot;.</source>
        <translation>Neben „%1“ findet sich kein freier Name für das Disc-Abbild.</translation>
    </message>
    <message>
        <source>Cannot name the disc image &quot;%1&quot;: %2.</source>
        <translation>Das Disc-Abbild kann nicht „%1“ genannt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot run %1: %2.</source>
        <translation>%1 kann nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>%1 failed (signal %2).</source>
        <translation>%1 ist fehlgeschlagen (Signal %2).</translation>
    </message>
    <message>
        <source>%1 failed (signal %2): %3</source>
        <translation>%1 ist fehlgeschlagen (Signal %2): %3</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 did not report the image size.</source>
        <translation>%1 hat die Größe des Abbilds nicht gemeldet.</translation>
    </message>
    <message>
        <source>%1 was stopped before it ended.</source>
        <translation>%1 wurde angehalten, bevor es fertig war.</translation>
    </message>
    <message>
        <source>The drives cannot be scanned while a burn is running.</source>
        <translation>Während gebrannt wird, können die Laufwerke nicht gesucht werden.</translation>
    </message>
    <message>
        <source>There is no device number %1.</source>
        <translation>Es gibt kein Gerät Nummer %1.</translation>
    </message>
    <message>
        <source>No burning device was chosen.</source>
        <translation>Es wurde kein Brenngerät gewählt.</translation>
    </message>
    <message>
        <source>Another burn is already running.</source>
        <translation>Es läuft bereits ein anderer Brennvorgang.</translation>
    </message>
    <message>
        <source>The disc image &quot;%1&quot; is incomplete (%2 of %3 bytes).</source>
        <translation>Das Disc-Abbild „%1“ ist unvollständig (%2 von %3 Bytes).</translation>
    </message>
    <message>
        <source>The disc writing library (libburn) could not be started.</source>
        <translation>Die Bibliothek zum Beschreiben von Discs (libburn) konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>%1 is not a file or a drive a disc can be written to (it is %2).</source>
        <translation>%1 ist weder eine Datei noch ein Laufwerk, auf das eine Disc geschrieben werden kann (es ist %2).</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; is not valid UTF-8 text.</source>
        <translation>Die Datenträgerbezeichnung „%1“ ist kein gültiger UTF-8-Text.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; takes %2 bytes; a disc&apos;s volume label holds at most %3 (a letter with an accent takes two or more).</source>
        <translation>Die Datenträgerbezeichnung „%1“ braucht %2 Bytes; die Bezeichnung einer Disc fasst höchstens %3 (ein Buchstabe mit Akzent braucht zwei oder mehr).</translation>
    </message>
    <message>
        <source>%1 drive found.</source>
        <translation>%1 Laufwerk gefunden.</translation>
    </message>
    <message>
        <source>%1 drives found.</source>
        <translation>%1 Laufwerke gefunden.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>DVD authoring and burning</source>
        <translation>DVDs erstellen und brennen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Make a DVD from your videos, or burn an authored DVD folder.</source>
        <translation>Machen Sie aus Ihren Videos eine DVD, oder brennen Sie einen fertigen DVD-Ordner.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDVDAuthorAddDlg</name>
    <message>
        <source>Media Files</source>
        <translation>Mediendateien</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add videos</source>
        <translation>Videos hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected video (Delete)</source>
        <translation>Ausgewähltes Video entfernen (Entf)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Remove all videos</source>
        <translation>Alle Videos entfernen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Move the selected video up (Alt+Up)</source>
        <translation>Ausgewähltes Video nach oben schieben (Alt+Auf)</translation>
    </message>
    <message>
        <source>Move the selected video down (Alt+Down)</source>
        <translation>Ausgewähltes Video nach unten schieben (Alt+Ab)</translation>
    </message>
    <message>
        <source>Switch disc type (Alt+D)</source>
        <translation>Disc-Typ wechseln (Alt+D)</translation>
    </message>
    <message>
        <source>Open a project: its videos and choices (Ctrl+O)</source>
        <translation>Ein Projekt öffnen: seine Videos und Einstellungen (Strg+O)</translation>
    </message>
    <message>
        <source>&amp;Open project…</source>
        <translation>Projekt ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Save the videos and the choices as a project (Ctrl+S)</source>
        <translation>Die Videos und Einstellungen als Projekt speichern (Strg+S)</translation>
    </message>
    <message>
        <source>&amp;Save project…</source>
        <translation>Projekt &amp;speichern…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1: only one project opens at a time.</source>
        <translation>%1: Es kann nur ein Projekt auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Diese Datei wurde nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Diese Dateien wurden nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>it was not read: reading was cancelled</source>
        <translation>es wurde nicht gelesen: das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>Find %1</source>
        <translation>%1 suchen</translation>
    </message>
    <message>
        <source>Remove all videos from the list?</source>
        <translation>Alle Videos aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>A %1 disc should not greater than %2 MB. Are you sure to continue ?</source>
        <translation>Eine %1 sollte nicht mehr als %2 MB enthalten. Wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>No file added, do you want do it now?</source>
        <translation>Keine Datei hinzugefügt. Jetzt Dateien hinzufügen?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Close the page and discard the video of the list?</source>
        <translation>Die Seite schließen und das Video der Liste verwerfen?</translation>
    </message>
    <message>
        <source>Close the page and discard the %1 videos of the list?</source>
        <translation>Die Seite schließen und die %1 Videos der Liste verwerfen?</translation>
    </message>
    <message>
        <source>Quorva projects (*.quorva *.QUORVA)</source>
        <translation>Quorva-Projekte (*.quorva *.QUORVA)</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Replace the video of the list with the videos of the project %1?</source>
        <translation>Das Video der Liste durch die Videos des Projekts %1 ersetzen?</translation>
    </message>
    <message>
        <source>Replace the %1 videos of the list with the videos of the project %2?</source>
        <translation>Die %1 Videos der Liste durch die Videos des Projekts %2 ersetzen?</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Video: missing</source>
        <translation>Video: fehlt</translation>
    </message>
    <message>
        <source>Video: cannot be used (%1)</source>
        <translation>Video: nicht verwendbar (%1)</translation>
    </message>
    <message>
        <source>Double-click to find it, or remove it.</source>
        <translation>Doppelklick zum Suchen, oder entfernen Sie es.</translation>
    </message>
    <message>
        <source>The video %1 of the project is missing. Find it or remove it from the list.</source>
        <translation>Das Video %1 des Projekts fehlt. Suchen Sie es oder entfernen Sie es aus der Liste.</translation>
    </message>
    <message>
        <source>The video %1 of the project cannot be used: %2. Find it or remove it from the list.</source>
        <translation>Das Video %1 des Projekts ist nicht verwendbar: %2. Suchen Sie es oder entfernen Sie es aus der Liste.</translation>
    </message>
    <message>
        <source>The name under the video&apos;s picture in the menu (empty: the file&apos;s name)</source>
        <translation>Der Name unter dem Bild des Videos im Menü (leer: der Name der Datei)</translation>
    </message>
    <message>
        <source>Show the disc&apos;s menus for these videos, before converting</source>
        <translation>Die Menüs der Disc für diese Videos zeigen, vor dem Umwandeln</translation>
    </message>
    <message>
        <source>&amp;Preview menus…</source>
        <translation>&amp;Menüvorschau…</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Untertitel: %1</translation>
    </message>
    <message>
        <source>no language</source>
        <translation>keine Sprache</translation>
    </message>
    <message>
        <source>Audio: no track kept</source>
        <translation>Audio: keine Spur behalten</translation>
    </message>
    <message>
        <source>Audio: 1 track (%1)</source>
        <translation>Audio: 1 Spur (%1)</translation>
    </message>
    <message>
        <source>Audio: %1 tracks (%2)</source>
        <translation>Audio: %1 Spuren (%2)</translation>
    </message>
    <message>
        <source>Sound track %1 (%2)</source>
        <translation>Tonspur %1 (%2)</translation>
    </message>
    <message>
        <source>in the video</source>
        <translation>im Video</translation>
    </message>
    <message>
        <source>Subtitles %1 (%2), %3</source>
        <translation>Untertitel %1 (%2), %3</translation>
    </message>
</context>
<context>
    <name>CDVDAuthorProcessDlg</name>
    <message>
        <source>NTSC DVD</source>
        <translation>NTSC-DVD</translation>
    </message>
    <message>
        <source>PAL DVD</source>
        <translation>PAL-DVD</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Verstrichen:</translation>
    </message>
    <message>
        <source>Time reserved:</source>
        <translation>Verbleibend:</translation>
    </message>
    <message>
        <source>Convert time:</source>
        <translation>Umgewandelt:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Laufwerk:</translation>
    </message>
    <message>
        <source>&amp;Volume label:</source>
        <translation>Datenträger&amp;name:</translation>
    </message>
    <message>
        <source>DVD folder:</source>
        <translation>DVD-Ordner:</translation>
    </message>
    <message>
        <source>Aspect ratio:</source>
        <translation>Seitenverhältnis:</translation>
    </message>
    <message>
        <source>TV standard:</source>
        <translation>Fernsehnorm:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualität:</translation>
    </message>
    <message>
        <source>Working folder:</source>
        <translation>Arbeitsordner:</translation>
    </message>
    <message>
        <source>Converting:</source>
        <translation>Umwandeln:</translation>
    </message>
    <message>
        <source>Burning:</source>
        <translation>Brennen:</translation>
    </message>
    <message>
        <source>No DVD Device found!</source>
        <translation>Kein DVD-Laufwerk gefunden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>about %1 MB on the disc</source>
        <translation>etwa %1 MB auf der Disc</translation>
    </message>
    <message>
        <source>Working folder(atleast 10GB of free space)</source>
        <translation>Arbeitsordner (mindestens 10 GB frei)</translation>
    </message>
    <message>
        <source>DVD disc volume limited to %1 characters, would you like use the first %2 characters of &quot;%3&quot; ?</source>
        <translation>Der Datenträgername einer DVD hat höchstens %1 Zeichen. Die ersten %2 Zeichen von „%3“ verwenden?</translation>
    </message>
    <message>
        <source>(A letter with an accent takes the room of two or more.)</source>
        <translation>(Ein Buchstabe mit Akzent braucht den Platz von zwei oder mehr.)</translation>
    </message>
    <message>
        <source>The file&lt;%1&gt; will be set as background of DVD title menu not exists, do you want specify now ? or No use default. </source>
        <translation>Die Datei &lt;%1&gt; für den Hintergrund des DVD-Titelmenüs gibt es nicht. Jetzt eine andere wählen? Bei Nein wird der Standardhintergrund verwendet.</translation>
    </message>
    <message>
        <source>The file&lt;%1&gt; will be set as background of DVD root menu not exists, do you want specify now ? or No use default. </source>
        <translation>Die Datei &lt;%1&gt; für den Hintergrund des DVD-Hauptmenüs gibt es nicht. Jetzt eine andere wählen? Bei Nein wird der Standardhintergrund verwendet.</translation>
    </message>
    <message>
        <source>Do you want to choose another picture now? No uses the default picture.</source>
        <translation>Jetzt ein anderes Bild wählen? Bei Nein wird das Standardbild verwendet.</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>Datei fehlt</translation>
    </message>
    <message>
        <source>Converting in progress, are you sure to abort?</source>
        <translation>Die Umwandlung läuft. Wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The DVD folder %1 is complete: Direct burn in the main window can write it.</source>
        <translation>Der DVD-Ordner %1 ist vollständig: „Direkt brennen“ im Hauptfenster kann ihn schreiben.</translation>
    </message>
    <message>
        <source>The job failed: %1</source>
        <translation>Der Auftrag ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Disc image written to %1</source>
        <translation>Disc-Abbild geschrieben: %1</translation>
    </message>
    <message>
        <source>The disc was written in %1, volume label &quot;%2&quot;.</source>
        <translation>Die Disc wurde in %1 gebrannt, Datenträgername „%2“.</translation>
    </message>
    <message>
        <source>Nothing was burned. The DVD folder is %1</source>
        <translation>Es wurde nichts gebrannt. Der DVD-Ordner ist %1</translation>
    </message>
    <message>
        <source>no file manager could be started</source>
        <translation>es konnte keine Dateiverwaltung gestartet werden</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown: %2.</source>
        <translation>Der Ordner %1 kann nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>Process in progress...</source>
        <translation>Vorgang läuft...</translation>
    </message>
    <message>
        <source>Create DVD</source>
        <translation>DVD erstellen</translation>
    </message>
    <message>
        <source>Direct burn</source>
        <translation>Direkt brennen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>The drive&apos;s best</source>
        <translation>So schnell das Laufwerk kann</translation>
    </message>
    <message>
        <source>&amp;Burn speed:</source>
        <translation>Brenn&amp;geschwindigkeit:</translation>
    </message>
    <message>
        <source>Disc &amp;title:</source>
        <translation>Disc-&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Chapters every:</source>
        <translation>&amp;Kapitel alle:</translation>
    </message>
    <message>
        <source>&amp;After each video:</source>
        <translation>Nach &amp;jedem Video:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>one per video</source>
        <translation>eins je Video</translation>
    </message>
    <message>
        <source>Play the next video</source>
        <translation>Das nächste Video abspielen</translation>
    </message>
    <message>
        <source>Return to the menu</source>
        <translation>Zurück zum Menü</translation>
    </message>
    <message>
        <source>&amp;Preview menus...</source>
        <translation>&amp;Menüvorschau...</translation>
    </message>
</context>
<context>
    <name>CMenuPreviewDlg</name>
    <message>
        <source>Title menu</source>
        <translation>Titelmenü</translation>
    </message>
    <message>
        <source>Root menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Root menu, page %1</source>
        <translation>Hauptmenü, Seite %1</translation>
    </message>
    <message>
        <source>Preview menus</source>
        <translation>Menüvorschau</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Choose a BMP or JPEG picture.</source>
        <translation>Wählen Sie ein BMP- oder JPEG-Bild.</translation>
    </message>
    <message>
        <source>Menu background</source>
        <translation>Menühintergrund</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>What happens to the working folder when the program ends (clearing removes only the files the program made there; finished discs and images are kept), and the pictures behind the title menu and the root menu of the next DVDs.</source>
        <translation>Was mit dem Arbeitsordner geschieht, wenn das Programm endet (Leeren entfernt nur die Dateien, die das Programm dort angelegt hat; fertige Discs und Abbilder bleiben erhalten), und die Bilder hinter dem Titelmenü und dem Hauptmenü der nächsten DVDs.</translation>
    </message>
    <message>
        <source>Clear the content of temp folder</source>
        <translation>Inhalt des temporären Ordners leeren</translation>
    </message>
    <message>
        <source>Background picture of menu</source>
        <translation>Hintergrundbild der Menüs</translation>
    </message>
    <message>
        <source>Title menu:</source>
        <translation>Titelmenü:</translation>
    </message>
    <message>
        <source>Root folder:</source>
        <translation>Hauptmenü:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes, at exit</source>
        <translation>&amp;Ja, beim Beenden</translation>
    </message>
    <message>
        <source>&amp;No, keep it</source>
        <translation>&amp;Nein, behalten</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Working folder(atleast 10GB of free space)</source>
        <translation>Arbeitsordner (mindestens 10 GB frei)</translation>
    </message>
</context>
<context>
    <name>CQuorvaDlg</name>
    <message>
        <source>Create DVD step by step.</source>
        <translation>Schritt für Schritt eine DVD erstellen.</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>DVD &amp;erstellen</translation>
    </message>
    <message>
        <source>Direct burn the DVD folder which authored by us.</source>
        <translation>Einen mit Quorva erstellten DVD-Ordner direkt brennen.</translation>
    </message>
    <message>
        <source>&amp;Direct burn</source>
        <translation>&amp;Direkt brennen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Make a DVD from your videos, step by step.</source>
        <translation>Schritt für Schritt eine DVD aus Ihren Videos machen.</translation>
    </message>
    <message>
        <source>Burn a DVD folder that was authored before.</source>
        <translation>Einen früher erstellten DVD-Ordner brennen.</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>DVD-Ordner</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Product Online</source>
        <translation>Produkt im Internet</translation>
    </message>
    <message>
        <source>No web browser could be opened for %1 (%2).</source>
        <translation>Für %1 konnte kein Webbrowser geöffnet werden (%2).</translation>
    </message>
</context>
<context>
    <name>CSplashDlg</name>
    <message>
        <source>Initializing...</source>
        <translation>Wird gestartet...</translation>
    </message>
</context>
<context>
    <name>CrashReport</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Product crash</source>
        <translation>Absturz des Programms</translation>
    </message>
    <message>
        <source>Could not open file to write error information.</source>
        <translation>Die Datei für die Fehlerinformationen konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not CloseHandle.</source>
        <translation>CloseHandle ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>We are very sorry for the crash of our product. There is a mini dump file in the folder %1 named &quot;%2&quot; can help us fix the problem if you can send us %3. Thanks!</source>
        <translation>Der Absturz unseres Programms tut uns sehr leid. Im Ordner %1 liegt eine Minidump-Datei namens „%2“; wenn Sie sie uns an %3 senden, hilft sie uns, den Fehler zu beheben. Danke!</translation>
    </message>
    <message>
        <source>Could not create error dump:GetLastError()=%.8X</source>
        <translation>Fehlerabbild konnte nicht erstellt werden:GetLastError()=%.8X</translation>
    </message>
</context>
<context>
    <name>DesktopOpen</name>
    <message>
        <source>no program to open it is installed</source>
        <translation>es ist kein Programm zum Öffnen installiert</translation>
    </message>
    <message>
        <source>the program that opens it ended unexpectedly</source>
        <translation>das Programm zum Öffnen wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>xdg-open failed with status %1</source>
        <translation>xdg-open ist mit Status %1 gescheitert</translation>
    </message>
    <message>
        <source>xdg-open could not be started</source>
        <translation>xdg-open konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>DeviceDiscovery</name>
    <message>
        <source>Can&apos;t start find device thread!</source>
        <translation>Die Suche nach Geräten kann nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>DiscBurner</name>
    <message>
        <source>Disc image file (ISO)</source>
        <translation>Disc-Abbilddatei (ISO)</translation>
    </message>
</context>
<context>
    <name>DiscChecker</name>
    <message>
        <source>Disc checked: %1 videos, menus and buttons as expected</source>
        <translation>Disc geprüft: %1 Videos, Menüs und Schaltflächen wie erwartet</translation>
    </message>
    <message>
        <source>Disc checked: %1 videos, the menus are laid out otherwise and were not checked</source>
        <translation>Disc geprüft: %1 Videos; die Menüs sind anders aufgebaut und wurden nicht geprüft</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>First play</source>
        <translation>Startwiedergabe</translation>
    </message>
    <message>
        <source>Title menu</source>
        <translation>Titelmenü</translation>
    </message>
    <message>
        <source>Play button</source>
        <translation>Schaltfläche Wiedergabe</translation>
    </message>
    <message>
        <source>End of the title</source>
        <translation>Ende des Titels</translation>
    </message>
    <message>
        <source>Root menu button</source>
        <translation>Schaltfläche Hauptmenü</translation>
    </message>
    <message>
        <source>Root menu page %1 of %2</source>
        <translation>Hauptmenü Seite %1 von %2</translation>
    </message>
    <message>
        <source>Root menu buttons</source>
        <translation>Schaltflächen des Hauptmenüs</translation>
    </message>
    <message>
        <source>Disc image</source>
        <translation>Disc-Abbild</translation>
    </message>
    <message>
        <source>Image size</source>
        <translation>Größe des Abbilds</translation>
    </message>
    <message>
        <source>Volume label</source>
        <translation>Datenträgerbezeichnung</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Chapter lengths</source>
        <translation>Kapitellängen</translation>
    </message>
    <message>
        <source>Disc files</source>
        <translation>Dateien der Disc</translation>
    </message>
    <message>
        <source>Disc information</source>
        <translation>Disc-Informationen</translation>
    </message>
    <message>
        <source>Table counts</source>
        <translation>Tabellenzähler</translation>
    </message>
    <message>
        <source>Program chains</source>
        <translation>Programmketten</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Untertitelströme</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Tonströme</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>nothing (the player refuses it)</source>
        <translation>nichts (der Player verweigert es)</translation>
    </message>
    <message>
        <source>a stop of playback</source>
        <translation>einem Ende der Wiedergabe</translation>
    </message>
    <message>
        <source>title %1 chapter %2</source>
        <translation>Titel %1 Kapitel %2</translation>
    </message>
    <message>
        <source>the title menu</source>
        <translation>dem Titelmenü</translation>
    </message>
    <message>
        <source>another title menu</source>
        <translation>einem anderen Titelmenü</translation>
    </message>
    <message>
        <source>a root menu</source>
        <translation>einem Hauptmenü</translation>
    </message>
    <message>
        <source>first play</source>
        <translation>der Startwiedergabe</translation>
    </message>
    <message>
        <source>does not wait for a button: when its picture ends, playback goes on to %1</source>
        <translation>wartet nicht auf eine Schaltfläche: wenn sein Bild endet, geht die Wiedergabe weiter zu %1</translation>
    </message>
    <message>
        <source>first play leads to %1: the menus are not laid out as this program makes them and were not checked</source>
        <translation>die Startwiedergabe führt zu %1: die Menüs sind nicht so angelegt, wie dieses Programm sie macht, und wurden nicht geprüft</translation>
    </message>
    <message>
        <source>leads to %1, not to the title menu</source>
        <translation>führt zu %1, nicht zum Titelmenü</translation>
    </message>
    <message>
        <source>leads to %1, not to the title menu (%2)</source>
        <translation>führt zu %1, nicht zum Titelmenü (%2)</translation>
    </message>
    <message>
        <source>shows the title menu</source>
        <translation>zeigt das Titelmenü</translation>
    </message>
    <message>
        <source>%1 button</source>
        <translation>%1 Schaltfläche</translation>
    </message>
    <message>
        <source>%1 buttons</source>
        <translation>%1 Schaltflächen</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>erwartet: %1</translation>
    </message>
    <message>
        <source>holds as a still</source>
        <translation>bleibt als Standbild stehen</translation>
    </message>
    <message>
        <source>the title menu cannot be called again</source>
        <translation>das Titelmenü lässt sich nicht erneut aufrufen</translation>
    </message>
    <message>
        <source>plays title 1 from chapter 1</source>
        <translation>spielt Titel 1 ab Kapitel 1</translation>
    </message>
    <message>
        <source>leads to %1, not to title 1 chapter 1</source>
        <translation>führt zu %1, nicht zu Titel 1 Kapitel 1</translation>
    </message>
    <message>
        <source>returns to %1</source>
        <translation>kehrt zurück zu %1</translation>
    </message>
    <message>
        <source>leads to %1, not back to a menu</source>
        <translation>führt zu %1, nicht zurück zu einem Menü</translation>
    </message>
    <message>
        <source>the title menu has no second button</source>
        <translation>das Titelmenü hat keine zweite Schaltfläche</translation>
    </message>
    <message>
        <source>opens the root menu</source>
        <translation>öffnet das Hauptmenü</translation>
    </message>
    <message>
        <source>leads to %1, not to the root menu</source>
        <translation>führt zu %1, nicht zum Hauptmenü</translation>
    </message>
    <message>
        <source>button %1 plays title %2 chapter %3</source>
        <translation>Schaltfläche %1 spielt Titel %2 Kapitel %3</translation>
    </message>
    <message>
        <source>button %1 turns to page %2</source>
        <translation>Schaltfläche %1 blättert zu Seite %2</translation>
    </message>
    <message>
        <source>button %1 goes back to the title menu</source>
        <translation>Schaltfläche %1 führt zurück zum Titelmenü</translation>
    </message>
    <message>
        <source>button %1 leads to %2</source>
        <translation>Schaltfläche %1 führt zu %2</translation>
    </message>
    <message>
        <source>a place the check could not reach</source>
        <translation>einer Stelle, die die Prüfung nicht erreichen konnte</translation>
    </message>
    <message>
        <source>the page cannot be reached again</source>
        <translation>die Seite lässt sich nicht erneut erreichen</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>chapters %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>chapters %1 to %2</source>
        <translation>Kapitel %1 bis %2</translation>
    </message>
    <message>
        <source>button %1 of page %2 plays %3, expected %4</source>
        <translation>Schaltfläche %1 auf Seite %2 spielt %3, erwartet: %4</translation>
    </message>
    <message>
        <source>button %1 of page %2 plays %3, after %4</source>
        <translation>Schaltfläche %1 auf Seite %2 spielt %3, nach %4</translation>
    </message>
    <message>
        <source>%1 button plays a chapter, expected one for each of the %2</source>
        <translation>%1 Schaltfläche spielt ein Kapitel, erwartet: eine für jedes der %2</translation>
    </message>
    <message>
        <source>%1 buttons play chapters, expected one for each of the %2</source>
        <translation>%1 Schaltflächen spielen Kapitel, erwartet: eine für jedes der %2</translation>
    </message>
    <message>
        <source>%1 video</source>
        <translation>%1 Video</translation>
    </message>
    <message>
        <source>%1 videos</source>
        <translation>%1 Videos</translation>
    </message>
    <message>
        <source>%1 button, each playing its video&apos;s first chapter, in order</source>
        <translation>%1 Schaltfläche, jede spielt das erste Kapitel ihres Videos, in Reihenfolge</translation>
    </message>
    <message>
        <source>%1 buttons, each playing its video&apos;s first chapter, in order</source>
        <translation>%1 Schaltflächen, jede spielt das erste Kapitel ihres Videos, in Reihenfolge</translation>
    </message>
    <message>
        <source>%1 sector, as its file system says</source>
        <translation>%1 Sektor, wie sein Dateisystem angibt</translation>
    </message>
    <message>
        <source>%1 sectors, as its file system says</source>
        <translation>%1 Sektoren, wie sein Dateisystem angibt</translation>
    </message>
    <message>
        <source>the image is truncated: it holds %1 of the %2 sectors its file system spans</source>
        <translation>das Abbild ist abgeschnitten: es enthält %1 der %2 Sektoren, die sein Dateisystem umfasst</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, expected &quot;%2&quot;</source>
        <translation>„%1“, erwartet: „%2“</translation>
    </message>
    <message>
        <source>%1 chapter</source>
        <translation>%1 Kapitel</translation>
    </message>
    <message>
        <source>%1 chapters</source>
        <translation>%1 Kapitel</translation>
    </message>
    <message>
        <source>video %1 plays %2, its file %3</source>
        <translation>Video %1 läuft %2, seine Datei %3</translation>
    </message>
    <message>
        <source>each video within %1 of its file (largest difference %2)</source>
        <translation>jedes Video innerhalb von %1 seiner Datei (größte Abweichung %2)</translation>
    </message>
    <message>
        <source>every file the disc&apos;s information names is there</source>
        <translation>jede Datei, die die Informationen der Disc nennen, ist vorhanden</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 are missing</source>
        <translation>%1 fehlen</translation>
    </message>
    <message>
        <source>the disc has no title</source>
        <translation>die Disc hat keinen Titel</translation>
    </message>
    <message>
        <source>expected %1 (one per video)</source>
        <translation>erwartet: %1 (eines je Video)</translation>
    </message>
    <message>
        <source>chapter %1 is %2 long, its video %3</source>
        <translation>Kapitel %1 ist %2 lang, sein Video %3</translation>
    </message>
    <message>
        <source>no chapter to compare</source>
        <translation>kein Kapitel zum Vergleichen</translation>
    </message>
    <message>
        <source>each within %1 of its video (largest difference %2)</source>
        <translation>jedes innerhalb von %1 seines Videos (größte Abweichung %2)</translation>
    </message>
    <message>
        <source>%1 stream listed, each carried by the videos</source>
        <translation>%1 Strom aufgeführt, jeder von den Videos getragen</translation>
    </message>
    <message>
        <source>%1 streams listed, each carried by the videos</source>
        <translation>%1 Ströme aufgeführt, jeder von den Videos getragen</translation>
    </message>
    <message>
        <source>the walk through the menus gave no report</source>
        <translation>der Gang durch die Menüs lieferte keinen Bericht</translation>
    </message>
    <message>
        <source>the player&apos;s navigation went round a loop of the disc&apos;s commands while %1 and did not come back within %2 s</source>
        <translation>die Navigation des Players lief in einer Schleife der Befehle der Disc (%1) und kam nicht innerhalb von %2 s zurück</translation>
    </message>
    <message>
        <source>the walk through the menus did not end within %1 s (%2)</source>
        <translation>der Gang durch die Menüs endete nicht innerhalb von %1 s (%2)</translation>
    </message>
    <message>
        <source>the walk through the menus did not end within %1 s (last at %2)</source>
        <translation>der Gang durch die Menüs endete nicht innerhalb von %1 s (zuletzt bei %2)</translation>
    </message>
    <message>
        <source>the check was stopped</source>
        <translation>die Prüfung wurde angehalten</translation>
    </message>
    <message>
        <source>the player&apos;s navigation failed (%1)</source>
        <translation>die Navigation des Players ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>the player&apos;s navigation failed (%1) while %2</source>
        <translation>die Navigation des Players ist fehlgeschlagen (%1), während: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a disc image or a drive</source>
        <translation>%1 ist %2, kein Disc-Abbild und kein Laufwerk</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>title set %1: %2 stream (%3) in every cell</source>
        <translation>Titelsatz %1: %2 Strom (%3) in jeder Zelle</translation>
    </message>
    <message>
        <source>title set %1: %2 streams (%3) in every cell</source>
        <translation>Titelsatz %1: %2 Ströme (%3) in jeder Zelle</translation>
    </message>
    <message>
        <source>title set %1: %2 streams in every cell</source>
        <translation>Titelsatz %1: %2 Ströme in jeder Zelle</translation>
    </message>
    <message>
        <source>no language</source>
        <translation>keine Sprache</translation>
    </message>
    <message>
        <source>title set %1 program chain %2 cell %3 carries audio stream %4, which the stream table does not list</source>
        <translation>Titelsatz %1, Programmkette %2, Zelle %3 trägt Tonstrom %4, den die Stromtabelle nicht aufführt</translation>
    </message>
    <message>
        <source>title set %1 program chain %2 cell %3 lacks audio stream %4, which its program chain offers</source>
        <translation>Titelsatz %1, Programmkette %2, Zelle %3: es fehlt Tonstrom %4, den ihre Programmkette anbietet</translation>
    </message>
    <message>
        <source>title set %1&apos;s stream table lists audio stream %2 (%3), which none of its videos carries</source>
        <translation>die Stromtabelle von Titelsatz %1 führt Tonstrom %2 (%3) auf, den keines seiner Videos trägt</translation>
    </message>
    <message>
        <source>title set %1&apos;s videos carry subtitle stream %2, but it lists %3</source>
        <translation>die Videos von Titelsatz %1 tragen Untertitelstrom %2, aber er führt nur %3 auf</translation>
    </message>
    <message>
        <source>title set %1 lists subtitle stream %2, which none of its videos carries</source>
        <translation>Titelsatz %1 führt Untertitelstrom %2 auf, den keines seiner Videos trägt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no DVD-Video can be read from %1</source>
        <translation>aus %1 lässt sich keine DVD-Video lesen</translation>
    </message>
    <message>
        <source>no DVD-Video can be read from %1 (%2)</source>
        <translation>aus %1 lässt sich keine DVD-Video lesen (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 (the title menu)</source>
        <translation>%1 (das Titelmenü)</translation>
    </message>
    <message>
        <source>%1 (title set %2)</source>
        <translation>%1 (Titelsatz %2)</translation>
    </message>
    <message>
        <source>%1 (the root menu)</source>
        <translation>%1 (das Hauptmenü)</translation>
    </message>
    <message>
        <source>%1 (the videos)</source>
        <translation>%1 (die Videos)</translation>
    </message>
    <message>
        <source>%1 places its %2 at byte %3, past the end</source>
        <translation>%1: die %2 liegt bei Byte %3, hinter dem Dateiende</translation>
    </message>
    <message>
        <source>%1 places the commands of its %2 past the end</source>
        <translation>%1: die Befehle der %2 liegen hinter dem Dateiende</translation>
    </message>
    <message>
        <source>%1 gives its %2 %3 pre-commands, %4 post-commands and %5 cell commands, more than the %6 a program chain holds</source>
        <translation>%1: die %2 hat %3 Vorbefehle, %4 Nachbefehle und %5 Zellbefehle, mehr als die %6, die eine Programmkette fasst</translation>
    </message>
    <message>
        <source>%1 places the tables of its %2 past the end</source>
        <translation>%1: die Tabellen der %2 liegen hinter dem Dateiende</translation>
    </message>
    <message>
        <source>%1 places its %2 past the end</source>
        <translation>%1: die %2 liegt hinter dem Dateiende</translation>
    </message>
    <message>
        <source>%1 gives its %2 %3 program chains, more than the file holds</source>
        <translation>%1: die %2 nennt %3 Programmketten, mehr als die Datei fasst</translation>
    </message>
    <message>
        <source>%1 gives its %2 %3 language units, more than it holds</source>
        <translation>%1: die %2 nennt %3 Spracheinheiten, mehr als sie fasst</translation>
    </message>
    <message>
        <source>%1 places its %2 at sector %3, past the %4 sectors of the file</source>
        <translation>%1: die %2 liegt bei Sektor %3, hinter den %4 Sektoren der Datei</translation>
    </message>
    <message>
        <source>%1 gives its %2 a size of %3 bytes, which is shorter than its header</source>
        <translation>%1: die %2 ist %3 Byte groß, kürzer als ihr Kopf</translation>
    </message>
    <message>
        <source>%1 gives its %2 a size of %3 bytes, which runs past the end</source>
        <translation>%1: die %2 ist %3 Byte groß und reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>%1 claims %2 title sets, more than the %3 a disc holds</source>
        <translation>%1 gibt %2 Titelsätze an, mehr als die %3, die eine Disc fasst</translation>
    </message>
    <message>
        <source>title table</source>
        <translation>Titeltabelle</translation>
    </message>
    <message>
        <source>menu table</source>
        <translation>Menütabelle</translation>
    </message>
    <message>
        <source>parental table</source>
        <translation>Jugendschutztabelle</translation>
    </message>
    <message>
        <source>title set attributes</source>
        <translation>Tabelle der Titelsatz-Attribute</translation>
    </message>
    <message>
        <source>text table</source>
        <translation>Texttabelle</translation>
    </message>
    <message>
        <source>menu cell addresses</source>
        <translation>Tabelle der Menü-Zelladressen</translation>
    </message>
    <message>
        <source>menu unit map</source>
        <translation>Zuordnung der Menü-Einheiten</translation>
    </message>
    <message>
        <source>chapter table</source>
        <translation>Kapiteltabelle</translation>
    </message>
    <message>
        <source>time map</source>
        <translation>Zeittabelle</translation>
    </message>
    <message>
        <source>cell addresses</source>
        <translation>Tabelle der Zelladressen</translation>
    </message>
    <message>
        <source>unit map</source>
        <translation>Zuordnung der Einheiten</translation>
    </message>
    <message>
        <source>first play program chain</source>
        <translation>Programmkette der Startwiedergabe</translation>
    </message>
    <message>
        <source>%1&apos;s program chain %2</source>
        <translation>Programmkette %2 der %1</translation>
    </message>
    <message>
        <source>%1&apos;s language unit %2</source>
        <translation>Spracheinheit %2 der %1</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>no ISO 9660 volume descriptor in %1</source>
        <translation>kein ISO-9660-Datenträgerdeskriptor in %1</translation>
    </message>
    <message>
        <source>title set %1</source>
        <translation>Titelsatz %1</translation>
    </message>
    <message>
        <source>manager menu %1</source>
        <translation>Video-Manager-Menü %1</translation>
    </message>
    <message>
        <source>title set %1 menu %2</source>
        <translation>Titelsatz %1, Menü %2</translation>
    </message>
    <message>
        <source>title set %1 program chain %2</source>
        <translation>Titelsatz %1, Programmkette %2</translation>
    </message>
    <message>
        <source>%1 has %2 programs but no cells</source>
        <translation>%1 hat %2 Programme, aber keine Zellen</translation>
    </message>
    <message>
        <source>%1 has program %2 starting at cell %3 of its %4 cells</source>
        <translation>%1: Programm %2 beginnt bei Zelle %3 von %4 Zellen</translation>
    </message>
    <message>
        <source>the manager&apos;s menu table</source>
        <translation>die Menütabelle des Video-Managers</translation>
    </message>
    <message>
        <source>%1&apos;s menu table</source>
        <translation>die Menütabelle von %1</translation>
    </message>
    <message>
        <source>%1&apos;s title table</source>
        <translation>die Titeltabelle von %1</translation>
    </message>
    <message>
        <source>%1&apos;s chapter table</source>
        <translation>die Kapiteltabelle von %1</translation>
    </message>
    <message>
        <source>%1 jumps in its pre-commands to %2, which the disc does not have</source>
        <translation>%1 springt in den Vorbefehlen zu einem Ziel, das die Disc nicht hat: %2</translation>
    </message>
    <message>
        <source>the manager&apos;s menu of entry %1</source>
        <translation>das Menü des Video-Managers für den Eintrag %1</translation>
    </message>
    <message>
        <source>title set %1&apos;s menu of entry %2</source>
        <translation>das Menü von Titelsatz %1 für den Eintrag %2</translation>
    </message>
    <message>
        <source>navigation loop: %1 in its pre-commands, before anything plays</source>
        <translation>Navigationsschleife: %1 in den Vorbefehlen, bevor etwas abgespielt wird</translation>
    </message>
    <message>
        <source>%1 jumps to itself</source>
        <translation>%1 springt zu sich selbst</translation>
    </message>
    <message>
        <source>%1 to %2 to %3 jump round</source>
        <translation>%1 → %2 → %3 im Kreis</translation>
    </message>
    <message>
        <source>%1 claims %2 programs and %3 cells, more than its %4-byte block holds or than it has cells</source>
        <translation>%1 gibt %2 Programme und %3 Zellen an, mehr als der %4-Byte-Block fasst oder als Zellen vorhanden sind</translation>
    </message>
    <message>
        <source>%1 has cell %2 at sectors %3 to %4, past the %5 sectors of its videos</source>
        <translation>%1 hat Zelle %2 bei den Sektoren %3 bis %4, hinter den %5 Sektoren der Videos</translation>
    </message>
    <message>
        <source>the title table claims %1 titles and holds %2</source>
        <translation>die Titeltabelle gibt %1 Titel an und enthält %2</translation>
    </message>
    <message>
        <source>title %1 lies in title set %2, not one of the %3 title sets the disc claims</source>
        <translation>Titel %1 liegt in Titelsatz %2, keinem der %3 Titelsätze, die die Disc angibt</translation>
    </message>
    <message>
        <source>title %1 claims %2 chapters, its title set lists %3</source>
        <translation>Titel %1 gibt %2 Kapitel an, sein Titelsatz führt %3 auf</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>manager menu</source>
        <translation>Video-Manager-Menü</translation>
    </message>
    <message>
        <source>title set menu</source>
        <translation>Titelsatz-Menü</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>%1 (set %2, %3 buttons)</source>
        <translation>%1 (Titelsatz %2, %3 Schaltflächen)</translation>
    </message>
    <message>
        <source>%1 (set %2, %3 buttons, %4)</source>
        <translation>%1 (Titelsatz %2, %3 Schaltflächen, %4)</translation>
    </message>
    <message>
        <source>button %1 highlighted</source>
        <translation>Schaltfläche %1 hervorgehoben</translation>
    </message>
    <message>
        <source>still</source>
        <translation>Standbild</translation>
    </message>
    <message>
        <source>playing on from %1</source>
        <translation>Weiterspielen ab %1</translation>
    </message>
    <message>
        <source>playing %1</source>
        <translation>Abspielen von %1</translation>
    </message>
    <message>
        <source>playing %1 to its end</source>
        <translation>Abspielen von %1 bis zum Ende</translation>
    </message>
    <message>
        <source>playing %1 to the end of its picture</source>
        <translation>Abspielen von %1 bis zum Ende seines Bildes</translation>
    </message>
    <message>
        <source>pressing button %1 of %2</source>
        <translation>Drücken von Schaltfläche %1 in %2</translation>
    </message>
    <message>
        <source>calling the title menu from %1</source>
        <translation>Aufruf des Titelmenüs aus %1</translation>
    </message>
    <message>
        <source>calling the root menu from %1</source>
        <translation>Aufruf des Hauptmenüs aus %1</translation>
    </message>
</context>
<context>
    <name>MediaCheck</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>its folder cannot be opened (permission denied)</source>
        <translation>ihr Ordner kann nicht geöffnet werden (keine Berechtigung)</translation>
    </message>
    <message>
        <source>it is a folder, not a video file</source>
        <translation>das ist ein Ordner, keine Videodatei</translation>
    </message>
    <message>
        <source>it is a pipe, not a video file</source>
        <translation>das ist eine Pipe, keine Videodatei</translation>
    </message>
    <message>
        <source>it is a device, not a video file</source>
        <translation>das ist ein Gerät, keine Videodatei</translation>
    </message>
    <message>
        <source>it is a socket, not a video file</source>
        <translation>das ist ein Socket, keine Videodatei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>das ist keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read (permission denied)</source>
        <translation>sie kann nicht gelesen werden (keine Berechtigung)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is a text file, not a video</source>
        <translation>das ist eine Textdatei, kein Video</translation>
    </message>
    <message>
        <source>its format cannot be read as a video (%1)</source>
        <translation>ihr Format kann nicht als Video gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its streams cannot be read (%1)</source>
        <translation>ihre Datenströme können nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it has no video stream</source>
        <translation>sie hat keinen Videostrom</translation>
    </message>
    <message>
        <source>its video (%1) cannot be decoded</source>
        <translation>ihr Video (%1) kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>its video has no picture size</source>
        <translation>ihr Video hat keine Bildgröße</translation>
    </message>
    <message>
        <source>its play time is unknown</source>
        <translation>ihre Spieldauer ist unbekannt</translation>
    </message>
    <message>
        <source>The menu background %1 does not exist.</source>
        <translation>Den Menühintergrund %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>The menu background %1 is not a regular file.</source>
        <translation>Der Menühintergrund %1 ist keine normale Datei.</translation>
    </message>
    <message>
        <source>The menu background %1 cannot be read (permission denied).</source>
        <translation>Der Menühintergrund %1 kann nicht gelesen werden (keine Berechtigung).</translation>
    </message>
    <message>
        <source>The menu background %1 is larger than 64 MB.</source>
        <translation>Der Menühintergrund %1 ist größer als 64 MB.</translation>
    </message>
    <message>
        <source>The menu background %1 is not a picture: its content is none of %2.</source>
        <translation>Der Menühintergrund %1 ist kein Bild: Sein Inhalt ist nichts von %2.</translation>
    </message>
    <message>
        <source>The menu background %1 is a damaged %2 picture: %3.</source>
        <translation>Der Menühintergrund %1 ist ein beschädigtes %2-Bild: %3.</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 ist nicht verwendbar: %2.</translation>
    </message>
    <message>
        <source>its name contains &apos;*&apos;, which Quorva cannot pass to its encoder; rename the file and add it again</source>
        <translation>ihr Name enthält „*“, das Quorva nicht an seinen Encoder übergeben kann; benennen Sie die Datei um und fügen Sie sie erneut hinzu</translation>
    </message>
    <message>
        <source>its path is too long for Quorva&apos;s encoder</source>
        <translation>ihr Pfad ist zu lang für den Encoder von Quorva</translation>
    </message>
    <message>
        <source>Quorva cannot make a temporary file to read it in (%1)</source>
        <translation>Quorva kann keine temporäre Datei zum Einlesen anlegen (%1)</translation>
    </message>
    <message>
        <source>the encoding engine cannot read it</source>
        <translation>die Umwandlungs-Engine kann sie nicht lesen</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>sie konnte nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>MediaItem</name>
    <message>
        <source>Audio: no sound</source>
        <translation>Audio: kein Ton</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Audio: %1</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Video: %1</source>
        <translation>Video: %1</translation>
    </message>
    <message>
        <source>Play time: %1</source>
        <translation>Spieldauer: %1</translation>
    </message>
</context>
<context>
    <name>MenuStage</name>
    <message>
        <source>Can&apos;t prepare the menu background %1: %2</source>
        <translation>Der Menühintergrund %1 kann nicht vorbereitet werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t prepare the menu background %1</source>
        <translation>Der Menühintergrund %1 kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>The temporary folder&apos;s path is too long for the menu pictures.</source>
        <translation>Der Pfad des temporären Ordners ist für die Menübilder zu lang.</translation>
    </message>
    <message>
        <source>Can&apos;t draw the menu&apos;s back button on %1</source>
        <translation>Die Zurück-Schaltfläche des Menüs kann nicht auf %1 gezeichnet werden</translation>
    </message>
    <message>
        <source>Can&apos;t make a temporary file: %1</source>
        <translation>Eine temporäre Datei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Can&apos;t read the menu picture %1</source>
        <translation>Das Menübild %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>DVD menu background only support BMP/JPG file!</source>
        <translation>Als DVD-Menühintergrund sind nur BMP/JPG-Dateien möglich!</translation>
    </message>
    <message>
        <source>The menu picture path is too long: %1</source>
        <translation>Der Pfad des Menübilds ist zu lang: %1</translation>
    </message>
    <message>
        <source>Can&apos;t encode the menu picture %1: %2</source>
        <translation>Das Menübild %1 kann nicht kodiert werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t write the menu button description: %1</source>
        <translation>Die Beschreibung der Menüschaltflächen kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Can&apos;t add the menu buttons: %1</source>
        <translation>Die Menüschaltflächen können nicht hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>das Bild konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Can&apos;t write the root menu picture %1: %2</source>
        <translation>Das Bild des Hauptmenüs %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read the title menu picture %1</source>
        <translation>Das Bild des Titelmenüs %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Can&apos;t write the title menu picture %1: %2</source>
        <translation>Das Bild des Titelmenüs %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The menus could not be made: %1</source>
        <translation>Die Menüs konnten nicht erstellt werden: %1</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
</context>
<context>
    <name>ProbeProgressDlg</name>
    <message>
        <source>Add video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Reading %1 (%2 of %3)...</source>
        <translation>%1 wird gelesen (%2 von %3)...</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>es ist keine Datei.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>it is not an XML file (%1 at byte %2).</source>
        <translation>es ist keine XML-Datei (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>it is XML, but not a Quorva project.</source>
        <translation>es ist XML, aber kein Quorva-Projekt.</translation>
    </message>
    <message>
        <source>The project %1 was saved by a later version of Quorva (project format %2, this version reads format %3): what this version does not know of it is left out.</source>
        <translation>Das Projekt %1 wurde von einer neueren Version von Quorva gespeichert (Projektformat %2, diese Version liest Format %3): was diese Version davon nicht kennt, wird ausgelassen.</translation>
    </message>
    <message>
        <source>The project cannot be saved as %1: %2</source>
        <translation>Das Projekt kann nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>es ist keine gewöhnliche Datei.</translation>
    </message>
</context>
<context>
    <name>Quality</name>
    <message>
        <source>Best (8.0 Mb/S), slow of convert speed</source>
        <translation>Beste (8,0 Mbit/s), langsame Umwandlung</translation>
    </message>
    <message>
        <source>Best (5.0 Mb/S), slow of convert speed</source>
        <translation>Beste (5,0 Mbit/s), langsame Umwandlung</translation>
    </message>
    <message>
        <source>Good (3.3 Mb/S), normal speed</source>
        <translation>Gut (3,3 Mbit/s), normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>Normal (2.5 Mb/S), fast speed</source>
        <translation>Normal (2,5 Mbit/s), schnell</translation>
    </message>
    <message>
        <source>Poor (1.7 Mb/S), very fast speed</source>
        <translation>Gering (1,7 Mbit/s), sehr schnell</translation>
    </message>
    <message>
        <source>Fit to disc</source>
        <translation>An die Disc anpassen</translation>
    </message>
</context>
<context>
    <name>QuorvaApp</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>GetModuleFileName fail!</source>
        <translation>GetModuleFileName ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Parse p0.data error, please re-install!</source>
        <translation>Fehler beim Lesen von p0.data, bitte neu installieren!</translation>
    </message>
    <message>
        <source>Parse options error, please re-install!</source>
        <translation>Fehler beim Lesen der Optionen, bitte neu installieren!</translation>
    </message>
    <message>
        <source>CXMLAccess::SaveXMLNode options failed!</source>
        <translation>CXMLAccess::SaveXMLNode der Optionen ist fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Can&apos;t remove temp folder!</source>
        <translation>Der temporäre Ordner kann nicht entfernt werden!</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Can&apos;t write config file&lt;%1&gt; error, please re-install!</source>
        <translation>Fehler beim Schreiben der Konfigurationsdatei &lt;%1&gt;, bitte neu installieren!</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2.</source>
        <translation>Die Schlüsseldatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Can&apos;t read config file&lt;%1&gt;, please re-install!!</source>
        <translation>Die Konfigurationsdatei &lt;%1&gt; kann nicht gelesen werden, bitte neu installieren!!</translation>
    </message>
    <message>
        <source>Can&apos;t read config file&lt;%1&gt; error, please re-install!</source>
        <translation>Fehler beim Lesen der Konfigurationsdatei &lt;%1&gt;, bitte neu installieren!</translation>
    </message>
    <message>
        <source>Can&apos;t read config file&lt;%1&gt; error, please re-install!!</source>
        <translation>Fehler beim Lesen der Konfigurationsdatei &lt;%1&gt;, bitte neu installieren!!</translation>
    </message>
    <message>
        <source>The settings file %1 does not parse: %2 at byte %3.</source>
        <translation>Die Einstellungsdatei %1 lässt sich nicht einlesen: %2 bei Byte %3.</translation>
    </message>
    <message>
        <source>The settings file %1 has no &quot;body&quot; element.</source>
        <translation>Die Einstellungsdatei %1 hat kein „body“-Element.</translation>
    </message>
    <message>
        <source>The settings file %1 holds text, a comment or another node that is no element.</source>
        <translation>Die Einstellungsdatei %1 enthält Text, einen Kommentar oder einen anderen Knoten, der kein Element ist.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the document could not be made (an element or attribute without a name).</source>
        <translation>%1 kann nicht geschrieben werden: das Dokument konnte nicht erstellt werden (ein Element oder Attribut ohne Namen).</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file cannot be written in its folder.</source>
        <translation>Die Datei kann in ihrem Ordner nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>%1 is running.</source>
        <translation>%1 läuft bereits.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>StreamCheck</name>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it does not consist of 2048-byte packs</source>
        <translation>sie besteht nicht aus Paketen zu 2048 Bytes</translation>
    </message>
    <message>
        <source>it does not consist of 2048-byte MPEG-2 packs</source>
        <translation>sie besteht nicht aus MPEG-2-Paketen zu 2048 Bytes</translation>
    </message>
    <message>
        <source>its packs announce %1, more than a DVD allows</source>
        <translation>ihre Pakete kündigen %1 an, mehr als eine DVD erlaubt</translation>
    </message>
    <message>
        <source>it has no DVD navigation packs</source>
        <translation>sie hat keine DVD-Navigationspakete</translation>
    </message>
    <message>
        <source>its video is %1, not MPEG-2</source>
        <translation>ihr Video ist %1, nicht MPEG-2</translation>
    </message>
    <message>
        <source>its MPEG-2 video is not of the Main profile</source>
        <translation>ihr MPEG-2-Video entspricht nicht dem Main-Profil</translation>
    </message>
    <message>
        <source>its video is not 4:2:0</source>
        <translation>ihr Video ist nicht 4:2:0</translation>
    </message>
    <message>
        <source>its frame size %1x%2 differs from the disc&apos;s</source>
        <translation>ihre Bildgröße %1x%2 weicht von der der Disc ab</translation>
    </message>
    <message>
        <source>its frame rate differs from the disc&apos;s</source>
        <translation>ihre Bildrate weicht von der der Disc ab</translation>
    </message>
    <message>
        <source>its display aspect differs from the disc&apos;s %1:%2</source>
        <translation>ihr Seitenverhältnis weicht von dem der Disc (%1:%2) ab</translation>
    </message>
    <message>
        <source>its video declares %1, more than a DVD allows</source>
        <translation>ihr Video gibt %1 an, mehr als eine DVD erlaubt</translation>
    </message>
    <message>
        <source>its sound is not 48 kHz stereo AC-3 like the disc&apos;s other titles</source>
        <translation>ihr Ton ist nicht 48 kHz Stereo AC-3 wie die anderen Titel der Disc</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Speicher</translation>
    </message>
    <message>
        <source>its video has no timestamps</source>
        <translation>ihr Video hat keine Zeitstempel</translation>
    </message>
    <message>
        <source>its video averages %1, more than a DVD allows</source>
        <translation>ihr Video hat im Mittel %1, mehr als eine DVD erlaubt</translation>
    </message>
    <message>
        <source>its video reaches %1, more than a DVD allows</source>
        <translation>ihr Video erreicht %1, mehr als eine DVD erlaubt</translation>
    </message>
    <message>
        <source>it averages %1, more than a DVD allows</source>
        <translation>sie hat im Mittel %1, mehr als eine DVD erlaubt</translation>
    </message>
    <message>
        <source>its picture groups hold up to %1 pictures, more than the %2 a DVD navigation unit takes</source>
        <translation>ihre Bildgruppen fassen bis zu %1 Bilder, mehr als die %2, die eine DVD-Navigationseinheit aufnimmt</translation>
    </message>
    <message>
        <source>it is not a .vob file</source>
        <translation>sie ist keine .vob-Datei</translation>
    </message>
    <message>
        <source>it is not an MPEG program stream</source>
        <translation>sie ist kein MPEG-Programmstrom</translation>
    </message>
    <message>
        <source>it has more than one video stream</source>
        <translation>sie hat mehr als einen Videostrom</translation>
    </message>
    <message>
        <source>it carries streams other than one picture and one sound</source>
        <translation>sie enthält andere Ströme als ein Bild und einen Ton</translation>
    </message>
    <message>
        <source>it has no video stream</source>
        <translation>sie hat keinen Videostrom</translation>
    </message>
    <message>
        <source>it has no sound</source>
        <translation>sie hat keinen Ton</translation>
    </message>
    <message>
        <source>its sound streams are not numbered as a disc&apos;s</source>
        <translation>ihre Tonströme sind nicht wie auf einer Disc nummeriert</translation>
    </message>
</context>
<context>
    <name>SubtitleCues</name>
    <message>
        <source>The subtitle file %1 can&apos;t be read: %2</source>
        <translation>Die Untertiteldatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The subtitle stream %1 of %2 can&apos;t be read: %3</source>
        <translation>Der Untertitelstrom %1 von %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>it is too large for a subtitle file.</source>
        <translation>sie ist zu groß für eine Untertiteldatei.</translation>
    </message>
    <message>
        <source>its text is neither UTF-8 nor in a code page that can be told.</source>
        <translation>ihr Text ist weder UTF-8 noch in einer erkennbaren Codepage.</translation>
    </message>
    <message>
        <source>it holds no subtitles.</source>
        <translation>sie enthält keine Untertitel.</translation>
    </message>
    <message>
        <source>its subtitle format is not known.</source>
        <translation>ihr Untertitelformat ist unbekannt.</translation>
    </message>
    <message>
        <source>out of memory.</source>
        <translation>nicht genug Speicher.</translation>
    </message>
    <message>
        <source>a subtitle in it can&apos;t be decoded (%1).</source>
        <translation>ein Untertitel darin kann nicht dekodiert werden (%1).</translation>
    </message>
</context>
<context>
    <name>SubtitleStage</name>
    <message>
        <source>Can&apos;t make a temporary file: %1</source>
        <translation>Eine temporäre Datei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Can&apos;t make a temporary folder: %1</source>
        <translation>Ein temporärer Ordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>no fonts are available to draw subtitles with.</source>
        <translation>es gibt keine Schriften, um Untertitel zu zeichnen.</translation>
    </message>
    <message>
        <source>Can&apos;t write the subtitle picture %1.</source>
        <translation>Das Untertitelbild %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Can&apos;t write the subtitle description: %1</source>
        <translation>Die Untertitelbeschreibung kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Adding the subtitles to %1 failed: %2</source>
        <translation>Das Hinzufügen der Untertitel zu %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>can&apos;t write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>another run of the program is writing it.</source>
        <translation>ein anderer Lauf des Programms schreibt sie gerade.</translation>
    </message>
    <message>
        <source>Adding subtitles to %1 ...</source>
        <translation>Untertitel werden zu %1 hinzugefügt ...</translation>
    </message>
    <message>
        <source>none of its subtitles shows while the video plays.</source>
        <translation>keiner ihrer Untertitel erscheint, während das Video läuft.</translation>
    </message>
    <message>
        <source>The subtitles %1 are left out: %2</source>
        <translation>Die Untertitel %1 werden ausgelassen: %2</translation>
    </message>
    <message>
        <source>spumux failed.</source>
        <translation>spumux ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>TempFiles</name>
    <message>
        <source>Can&apos;t create temp directory!</source>
        <translation>Der temporäre Ordner kann nicht angelegt werden!</translation>
    </message>
    <message>
        <source>GetTempFileName return 0</source>
        <translation>GetTempFileName hat 0 zurückgegeben</translation>
    </message>
</context>
<context>
    <name>UserInterface</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Installed file not found.</source>
        <translation>Eine installierte Datei fehlt.</translation>
    </message>
    <message>
        <source>Unable to Load skin file.</source>
        <translation>Die Skin-Datei kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Unable to set skin.</source>
        <translation>Die Skin kann nicht angewendet werden.</translation>
    </message>
</context>
<context>
    <name>quorva</name>
    <message>
        <source>quorva: the window needs a display (none is set: DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM).
quorva: to make or burn a DVD without one, use quorva-cli (see quorva-cli --help).
</source>
        <translation>quorva: das Fenster braucht eine Anzeige (keine ist gesetzt: DISPLAY, WAYLAND_DISPLAY oder QT_QPA_PLATFORM).
quorva: um ohne Anzeige eine DVD zu erstellen oder zu brennen, quorva-cli verwenden (siehe quorva-cli --help).
</translation>
    </message>
</context>
<context>
    <name>quorva-cli</name>
    <message>
        <source>Going on (--force).</source>
        <translation>Es geht trotzdem weiter (--force).</translation>
    </message>
    <message>
        <source>Use --force to make it anyway.</source>
        <translation>Mit --force wird sie trotzdem erstellt.</translation>
    </message>
    <message>
        <source>aborted.</source>
        <translation>abgebrochen.</translation>
    </message>
    <message>
        <source>no device.</source>
        <translation>kein Gerät.</translation>
    </message>
    <message>
        <source>a DVD folder has no volume label: --label is checked on disc images and drives only.</source>
        <translation>ein DVD-Ordner hat keinen Datenträgernamen: --label wird nur bei Disc-Abbildern und Laufwerken geprüft.</translation>
    </message>
    <message>
        <source>(no drive: writes a disc image file, as --iso does)</source>
        <translation>(kein Laufwerk: schreibt eine Disc-Abbilddatei, wie --iso)</translation>
    </message>
    <message>
        <source>(can burn DVDs)</source>
        <translation>(kann DVDs brennen)</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Kein Befehl angegeben.</translation>
    </message>
    <message>
        <source>--aspect takes 16:9 or 4:3.</source>
        <translation>--aspect nimmt 16:9 oder 4:3.</translation>
    </message>
    <message>
        <source>--quality takes a level from 0 (best) to 4, or fit.</source>
        <translation>--quality nimmt eine Stufe von 0 (beste) bis 4, oder fit.</translation>
    </message>
    <message>
        <source>--disc takes dvd5 or dvd9.</source>
        <translation>--disc nimmt dvd5 oder dvd9.</translation>
    </message>
    <message>
        <source>--device takes a device number (see &quot;quorva-cli devices&quot;).</source>
        <translation>--device nimmt eine Gerätenummer (siehe „quorva-cli devices“).</translation>
    </message>
    <message>
        <source>--jobs takes a number of conversions from 1 to 64.</source>
        <translation>--jobs nimmt eine Anzahl gleichzeitiger Umwandlungen von 1 bis 64.</translation>
    </message>
    <message>
        <source>--chapters takes minutes from 0 to 999 (0: one chapter per video).</source>
        <translation>--chapters nimmt Minuten von 0 bis 999 (0: ein Kapitel je Video).</translation>
    </message>
    <message>
        <source>--working-folder needs a folder; an empty name is none.</source>
        <translation>--working-folder braucht einen Ordner; ein leerer Name ist keiner.</translation>
    </message>
    <message>
        <source>Give either --device or --iso, not both.</source>
        <translation>Geben Sie entweder --device oder --iso an, nicht beides.</translation>
    </message>
    <message>
        <source>No video given.</source>
        <translation>Kein Video angegeben.</translation>
    </message>
    <message>
        <source>Give exactly one DVD folder to burn.</source>
        <translation>Geben Sie genau einen DVD-Ordner zum Brennen an.</translation>
    </message>
    <message>
        <source>Give exactly one DVD folder or disc image to check.</source>
        <translation>Geben Sie genau einen DVD-Ordner oder ein Disc-Abbild zum Prüfen an.</translation>
    </message>
    <message>
        <source>&quot;devices&quot; takes no arguments.</source>
        <translation>„devices“ nimmt keine Argumente.</translation>
    </message>
    <message>
        <source>[Enter = OK, c = cancel]</source>
        <translation>[Eingabe = OK, c = abbrechen]</translation>
    </message>
    <message>
        <source>cannot find the program folder.</source>
        <translation>der Programmordner ist nicht zu finden.</translation>
    </message>
    <message>
        <source>could not save the options file.</source>
        <translation>die Optionsdatei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>wird geschrieben</translation>
    </message>
    <message>
        <source>no such video file: %1</source>
        <translation>keine solche Videodatei: %1</translation>
    </message>
    <message>
        <source>Added %1 (%2)</source>
        <translation>Hinzugefügt: %1 (%2)</translation>
    </message>
    <message>
        <source>Estimated size: %1 MB of %2 MB on a %3 disc (video at %4 kbit/s)</source>
        <translation>Geschätzte Größe: %1 MB von %2 MB auf einer %3 (Video mit %4 kbit/s)</translation>
    </message>
    <message>
        <source>A %1 disc should not greater than %2 MB.</source>
        <translation>Eine %1 sollte nicht mehr als %2 MB enthalten.</translation>
    </message>
    <message>
        <source>%1 is not a Quorva project and is left as it is; use --force to replace it.</source>
        <translation>%1 ist kein Quorva-Projekt und bleibt unverändert; mit --force wird es ersetzt.</translation>
    </message>
    <message>
        <source>the project cannot be saved as %1: it is not a regular file.</source>
        <translation>das Projekt kann nicht als %1 gespeichert werden: Das ist keine normale Datei.</translation>
    </message>
    <message>
        <source>the project %1 has no video.</source>
        <translation>das Projekt %1 enthält kein Video.</translation>
    </message>
    <message>
        <source>Saved project %1</source>
        <translation>Projekt gespeichert: %1</translation>
    </message>
    <message>
        <source>%1 is not an authored DVD folder (no VIDEO_TS/VTS_01_0.IFO).</source>
        <translation>%1 ist kein fertiger DVD-Ordner (kein VIDEO_TS/VTS_01_0.IFO).</translation>
    </message>
    <message>
        <source>no such DVD folder or disc image: %1</source>
        <translation>kein solcher DVD-Ordner und kein solches Disc-Abbild: %1</translation>
    </message>
    <message>
        <source>Disc check of %1:</source>
        <translation>Disc-Prüfung von %1:</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>%1 does not apply to &quot;%2&quot;.</source>
        <translation>%1 gilt nicht für „%2“.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>There is no device %1 (%2 devices; see &quot;quorva-cli devices&quot;).</source>
        <translation>Es gibt kein Gerät %1 (%2 Geräte; siehe „quorva-cli devices“).</translation>
    </message>
    <message>
        <source>%1 of %2  %3x  left %4</source>
        <translation>%1 von %2  %3x  noch %4</translation>
    </message>
    <message>
        <source>--speed takes a DVD speed from 1 to %1, or 0 for the drive&apos;s best.</source>
        <translation>--speed nimmt eine DVD-Geschwindigkeit von 1 bis %1, oder 0 für das Beste, was das Laufwerk kann.</translation>
    </message>
    <message>
        <source>Usage:
  quorva-cli make [--pal|--ntsc] [--aspect 16:9|4:3] [--quality 0-4|fit] [--disc dvd5|dvd9]
                  [--stretch] [--label TEXT] [--title TEXT] [--device N | --iso] [--speed N]
                  [--working-folder DIR] [--jobs N] [--chapters MIN]
                  [--after-each next|menu] [--force] [--yes] [--no-check]
                  [--save-project FILE] [--audio all|first|LANG,...]
                  [--subtitles all|none|LANG,...] [--subtitle-default LANG]
                  [--skip-bad-subtitles] [--verbose] VIDEO...|PROJECT
      Converts the videos, makes the menus and authors a DVD folder; with --iso or
      --device it also writes a disc image or burns drive N. --quality fit chooses
      the rate that fills the disc; --stretch fills the frame instead of keeping
      each video&apos;s proportions with black bars. --title shows TEXT in the title
      menu (default: none, or the project&apos;s name). --jobs N converts up to N videos
      at once (default: as many as the cores and memory allow; 1: one by one).
      --chapters MIN puts a chapter every MIN minutes inside each video (0: one
      chapter per video). --after-each menu ends each video in the root menu, its
      button highlighted; next (the default) plays the next video.
      --audio chooses the sound tracks of each video: all of them (the default),
      the first, or those in the languages given (en,fr; a video with none of
      them keeps its first).
      Subtitles beside a video (NAME.srt, NAME.LANG.srt, .ass, .ssa, .vtt) and inside
      it become the disc&apos;s subtitles; --subtitles keeps all (default), none, or those
      of the languages given (en,fr). None shows until chosen on the player, unless
      --subtitle-default LANG shows that language from the start. A subtitle file
      that cannot be read stops the run unless --skip-bad-subtitles leaves it out.
      A project file (.quorva) gives the videos and their settings; options given
      here win. --save-project also saves this run&apos;s videos and settings as one
      (&quot;.quorva&quot; is added to a name ending otherwise); it replaces only a project,
      or with --force any regular file. --verbose (-v) also shows the FFmpeg
      libraries&apos; own messages about the videos.
  quorva-cli burn [--device N | --iso] [--speed N] [--label TEXT] [--yes] [--no-check] FOLDER
      Burns an authored DVD folder (one holding VIDEO_TS/VTS_01_0.IFO).
      Both check the disc as a player would before burning, and read back and check
      what was written afterwards unless --no-check is given. --speed N burns at N
      times DVD speed (1 to 24; 0, the default: the drive&apos;s best).
  quorva-cli check [--label TEXT] FOLDER|IMAGE
      Checks a DVD folder or disc image as a player would use it; exits with 0 when
      every check passed, else 1.
  quorva-cli devices
      Lists the burner devices.
  quorva-cli --help | --version

Options given here hold for this run only; the program&apos;s options file is not changed
(except for the running number that names converted videos).
</source>
        <translation>Aufruf:
  quorva-cli make [--pal|--ntsc] [--aspect 16:9|4:3] [--quality 0-4|fit] [--disc dvd5|dvd9]
                  [--stretch] [--label TEXT] [--title TEXT] [--device N | --iso] [--speed N]
                  [--working-folder ORDNER] [--jobs N] [--chapters MIN]
                  [--after-each next|menu] [--force] [--yes] [--no-check]
                  [--save-project DATEI] [--audio all|first|SPRACHE,...]
                  [--subtitles all|none|SPRACHE,...] [--subtitle-default SPRACHE]
                  [--skip-bad-subtitles] [--verbose] VIDEO...|PROJEKT
      Wandelt die Videos um, erstellt die Menüs und daraus einen DVD-Ordner; mit --iso
      oder --device schreibt es außerdem ein Disc-Abbild oder brennt in Laufwerk N.
      --quality fit wählt die Datenrate, die die Disc füllt; --stretch füllt das Bild,
      statt die Proportionen jedes Videos mit schwarzen Balken zu wahren. --title
      zeigt TEXT im Titelmenü (Vorgabe: keiner, oder der Name des Projekts). --jobs N
      wandelt bis zu N Videos gleichzeitig um (Vorgabe: so viele, wie Kerne und
      Speicher erlauben; 1: eines nach dem anderen). --chapters MIN setzt alle MIN
      Minuten ein Kapitel in jedes Video (0: ein Kapitel je Video). --after-each menu
      beendet jedes Video im Hauptmenü mit seiner Schaltfläche hervorgehoben; next
      (die Vorgabe) spielt das nächste Video.
      --audio wählt die Tonspuren jedes Videos: alle (die Vorgabe), die erste oder
      die in den angegebenen Sprachen (en,fr; ein Video ohne diese behält seine erste).
      Untertitel neben einem Video (NAME.srt, NAME.SPRACHE.srt, .ass, .ssa, .vtt) und
      darin werden zu Untertiteln der Disc; --subtitles behält alle (Vorgabe), keine
      oder die der angegebenen Sprachen (en,fr). Keiner wird gezeigt, bis er am Player
      gewählt wird, außer --subtitle-default SPRACHE zeigt diese Sprache von Anfang an.
      Eine Untertiteldatei, die nicht gelesen werden kann, beendet den Lauf, außer
      --skip-bad-subtitles lässt sie weg.
      Eine Projektdatei (.quorva) gibt die Videos und ihre Einstellungen vor; hier
      angegebene Optionen haben Vorrang. --save-project speichert die Videos und
      Einstellungen dieses Laufs zusätzlich als Projekt (an einen Namen mit anderer
      Endung wird &quot;.quorva&quot; angehängt); es ersetzt nur ein Projekt, mit --force jede
      normale Datei. --verbose (-v) zeigt auch die eigenen Meldungen der
      FFmpeg-Bibliotheken zu den Videos.
  quorva-cli burn [--device N | --iso] [--speed N] [--label TEXT] [--yes] [--no-check] ORDNER
      Brennt einen fertigen DVD-Ordner (einen mit VIDEO_TS/VTS_01_0.IFO).
      Beide prüfen die Disc vor dem Brennen so, wie ein Player sie nutzt, und lesen
      das Geschriebene danach zurück und prüfen es, außer mit --no-check. --speed N
      brennt mit N-facher DVD-Geschwindigkeit (1 bis 24; 0, die Vorgabe: so schnell
      das Laufwerk kann).
  quorva-cli check [--label TEXT] ORDNER|ABBILD
      Prüft einen DVD-Ordner oder ein Disc-Abbild so, wie ein Player es nutzt; endet
      mit 0, wenn jede Prüfung bestanden ist, sonst mit 1.
  quorva-cli devices
      Listet die Brenngeräte auf.
  quorva-cli --help | --version

Hier angegebene Optionen gelten nur für diesen Lauf; die Optionsdatei des Programms
bleibt unverändert (bis auf die laufende Nummer, die umgewandelte Videos benennt).
</translation>
    </message>
</context>
</TS>
