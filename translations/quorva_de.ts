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
