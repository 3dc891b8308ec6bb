<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AuthoringJob</name>
    <message>
        <source>Creating dvd image ...</source>
        <translation>Création du dossier DVD ...</translation>
    </message>
    <message>
        <source>Can&apos;t create the DVD folder %1: %2</source>
        <translation>Impossible de créer le dossier DVD %1 : %2</translation>
    </message>
    <message>
        <source>Can&apos;t create a DVD folder in %1</source>
        <translation>Impossible de créer un dossier DVD dans %1</translation>
    </message>
    <message>
        <source>Can&apos;t write the DVD project: %1</source>
        <translation>Impossible d’écrire le projet DVD : %1</translation>
    </message>
    <message>
        <source>Creating the DVD folder %1 failed: %2</source>
        <translation>La création du dossier DVD %1 a échoué : %2</translation>
    </message>
    <message>
        <source>no VIDEO_TS was written.</source>
        <translation>aucun VIDEO_TS n’a été écrit.</translation>
    </message>
    <message>
        <source>Please insert a blank disc and click OK .</source>
        <translation>Veuillez insérer un disque vierge puis cliquer sur OK.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The DVD folder %1</source>
        <translation>Le dossier DVD %1</translation>
    </message>
    <message>
        <source>Writing disc image ...</source>
        <translation>Écriture de l’image disque ...</translation>
    </message>
    <message>
        <source>Start burn to dvd disc ...</source>
        <translation>Début de la gravure du DVD ...</translation>
    </message>
    <message>
        <source>No disc burner is available.</source>
        <translation>Aucun graveur n’est disponible.</translation>
    </message>
    <message>
        <source>The disc image %1</source>
        <translation>L’image disque %1</translation>
    </message>
    <message>
        <source>The burnt disc in %1</source>
        <translation>Le disque gravé dans %1</translation>
    </message>
    <message>
        <source>The burn failed.</source>
        <translation>La gravure a échoué.</translation>
    </message>
    <message>
        <source>the converted stream lasts %1 s, but the video was found to last %2 s when it was added; it may have changed or been cut short since.</source>
        <translation>le flux converti dure %1 s, mais la vidéo durait %2 s lors de son ajout ; elle a peut-être été modifiée ou tronquée depuis.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: the file no longer exists.</source>
        <translation>Impossible de convertir %1 : le fichier n’existe plus.</translation>
    </message>
    <message>
        <source>Can&apos;t convert %1: %2</source>
        <translation>Impossible de convertir %1 : %2</translation>
    </message>
    <message>
        <source>another run of the program is writing it.</source>
        <translation>une autre exécution du programme est en train de l’écrire.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Converting %1 ...</source>
        <translation>Conversion de %1 ...</translation>
    </message>
    <message>
        <source>no stream was written.</source>
        <translation>aucun flux n’a été écrit.</translation>
    </message>
    <message>
        <source>the file was changed or replaced while it was converted; make the disc again once it is complete.</source>
        <translation>le fichier a été modifié ou remplacé pendant sa conversion ; refaites le disque une fois qu’il sera complet.</translation>
    </message>
    <message>
        <source>Converting %1 failed: %2</source>
        <translation>La conversion de %1 a échoué : %2</translation>
    </message>
    <message>
        <source>Disc check of %1:</source>
        <translation>Vérification du disque %1 :</translation>
    </message>
    <message>
        <source>%1 failed the disc check: %2.</source>
        <translation>%1 n’a pas réussi la vérification du disque : %2.</translation>
    </message>
    <message>
        <source>The engine library %1 is missing.</source>
        <translation>La bibliothèque %1 est introuvable.</translation>
    </message>
    <message>
        <source>The engine library %1 could not be run (entry &quot;%2&quot;).</source>
        <translation>La bibliothèque %1 n’a pas pu être exécutée (point d’entrée « %2 »).</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 est inutilisable : %2.</translation>
    </message>
    <message>
        <source>No working folder is set.</source>
        <translation>Aucun dossier de travail n’est défini.</translation>
    </message>
    <message>
        <source>Can&apos;t create working folder! %1: %2.</source>
        <translation>Impossible de créer le dossier de travail ! %1 : %2.</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be written: %2.</source>
        <translation>Impossible d’écrire dans le dossier de travail %1 : %2.</translation>
    </message>
    <message>
        <source>Not enough free space in the working folder %1: about %2 MB are needed, %3 MB are free.</source>
        <translation>Pas assez d’espace libre dans le dossier de travail %1 : environ %2 Mo sont nécessaires, %3 Mo sont libres.</translation>
    </message>
    <message>
        <source>The disc cannot be made until these problems are solved:</source>
        <translation>Le disque ne peut pas être créé tant que ces problèmes ne sont pas résolus :</translation>
    </message>
    <message>
        <source>Converting media files to vob ...</source>
        <translation>Conversion des fichiers multimédias en VOB ...</translation>
    </message>
    <message>
        <source>The job stopped on an unexpected error: %1</source>
        <translation>La tâche s’est arrêtée sur une erreur inattendue : %1</translation>
    </message>
    <message>
        <source>Reusing %1, converted earlier from %2.</source>
        <translation>Réutilisation de %1, converti auparavant à partir de %2.</translation>
    </message>
    <message>
        <source>%1 returned %2.</source>
        <translation>%1 a renvoyé %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the record %1 cannot be written: %2.</source>
        <translation>le registre %1 ne peut pas être écrit : %2.</translation>
    </message>
</context>
<context>
    <name>Burner</name>
    <message>
        <source>Writing image ...</source>
        <translation>Écriture de l’image ...</translation>
    </message>
    <message>
        <source>Closing disc ...</source>
        <translation>Finalisation du disque ...</translation>
    </message>
    <message>
        <source>Verifying disc ...</source>
        <translation>Vérification du disque ...</translation>
    </message>
    <message>
        <source>Preparing the DVD file system of &quot;%1&quot; ...</source>
        <translation>Préparation du système de fichiers DVD de « %1 » ...</translation>
    </message>
    <message>
        <source>Verifying disc image &quot;%1&quot; ...</source>
        <translation>Vérification de l’image disque « %1 » ...</translation>
    </message>
    <message>
        <source>Writing disc image &quot;%1&quot; ...</source>
        <translation>Écriture de l’image disque « %1 » ...</translation>
    </message>
    <message>
        <source>Written %1% ...</source>
        <translation>%1 % écrits ...</translation>
    </message>
    <message>
        <source>Disc image written to &quot;%1&quot;.</source>
        <translation>Image disque écrite dans « %1 ».</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>There is no burn speed of %1 times DVD speed: choose 1 to %2, or 0 for the drive&apos;s best.</source>
        <translation>Il n’existe pas de vitesse de gravure de %1 fois la vitesse DVD : choisissez de 1 à %2, ou 0 pour le mieux que le graveur puisse faire.</translation>
    </message>
    <message>
        <source>There is no disc in the drive.</source>
        <translation>Il n’y a pas de disque dans le graveur.</translation>
    </message>
    <message>
        <source>The disc in the drive is not blank.</source>
        <translation>Le disque dans le graveur n’est pas vierge.</translation>
    </message>
    <message>
        <source>The disc in the drive cannot be written.</source>
        <translation>Le disque dans le graveur ne peut pas être gravé.</translation>
    </message>
    <message>
        <source>Burn cancelled.</source>
        <translation>Gravure annulée.</translation>
    </message>
    <message>
        <source>The disc cannot be read back (%1 of %2 read).</source>
        <translation>Le disque ne peut pas être relu (%1 sur %2 lus).</translation>
    </message>
    <message>
        <source>Cannot read the disc image stream.</source>
        <translation>Impossible de lire le flux de l’image disque.</translation>
    </message>
    <message>
        <source>Cannot buffer the disc image stream.</source>
        <translation>Impossible de mettre en tampon le flux de l’image disque.</translation>
    </message>
    <message>
        <source>Cannot open the drive &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le lecteur « %1 ».</translation>
    </message>
    <message>
        <source>Cannot attach the disc image stream.</source>
        <translation>Impossible de rattacher le flux de l’image disque.</translation>
    </message>
    <message>
        <source>The disc cannot be written this way: %1</source>
        <translation>Le disque ne peut pas être écrit ainsi : %1</translation>
    </message>
    <message>
        <source>Not enough free space for the disc image in the folder %1: %2 needed, %3 free.</source>
        <translation>Pas assez d’espace libre pour l’image disque dans le dossier %1 : %2 nécessaires, %3 libres.</translation>
    </message>
    <message>
        <source>Not enough free space on the disc: %1 needed, %2 free.</source>
        <translation>Pas assez d’espace libre sur le disque : %1 nécessaires, %2 libres.</translation>
    </message>
    <message>
        <source>Writing the disc failed.</source>
        <translation>L’écriture du disque a échoué.</translation>
    </message>
    <message>
        <source>The disc does not hold what was written: the data read back (%1) differ from the image sent (%2).</source>
        <translation>Le disque ne contient pas ce qui a été écrit : les données relues (%1) diffèrent de l’image envoyée (%2).</translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; is left out: %2</source>
        <translation>Le lecteur « %1 » est ignoré : %2</translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; could not be examined.</source>
        <translation>Le lecteur « %1 » n’a pas pu être examiné.</translation>
    </message>
    <message>
        <source>The drive &quot;%1&quot; could not be examined: %2.</source>
        <translation>Le lecteur « %1 » n’a pas pu être examiné : %2.</translation>
    </message>
    <message>
        <source>The DVD folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier DVD « %1 » n’existe pas.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is not a VIDEO_TS folder.</source>
        <translation>Le dossier « %1 » n’est pas un dossier VIDEO_TS.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no DVD-Video (VIDEO_TS.IFO is missing).</source>
        <translation>Le dossier « %1 » ne contient pas de DVD-Vidéo (VIDEO_TS.IFO manque).</translation>
    </message>
    <message>
        <source>Cannot create the disc image file &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer le fichier d’image disque « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot find a free name for the disc image beside &quot;%1&quot;.</source>
        <translation>Aucun nom libre pour l’image disque à côté de « %1 ».</translation>
    </message>
    <message>
        <source>Cannot name the disc image &quot;%1&quot;: %2.</source>
        <translation>Impossible de nommer l’image disque « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot run %1: %2.</source>
        <translation>Impossible de lancer %1 : %2.</translation>
    </message>
    <message>
        <source>%1 failed (signal %2).</source>
        <translation>%1 a échoué (signal %2).</translation>
    </message>
    <message>
        <source>%1 failed (signal %2): %3</source>
        <translation>%1 a échoué (signal %2) : %3</translation>
    </message>
    <message>
        <source>%1 failed.</source>
        <translation>%1 a échoué.</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué : %2</translation>
    </message>
    <message>
        <source>%1 did not report the image size.</source>
        <translation>%1 n’a pas indiqué la taille de l’image.</translation>
    </message>
    <message>
        <source>%1 was stopped before it ended.</source>
        <translation>%1 a été arrêté avant la fin.</translation>
    </message>
    <message>
        <source>The drives cannot be scanned while a burn is running.</source>
        <translation>Les lecteurs ne peuvent pas être recherchés pendant une gravure.</translation>
    </message>
    <message>
        <source>There is no device number %1.</source>
        <translation>Il n’y a pas d’appareil numéro %1.</translation>
    </message>
    <message>
        <source>No burning device was chosen.</source>
        <translation>Aucun graveur n’a été choisi.</translation>
    </message>
    <message>
        <source>Another burn is already running.</source>
        <translation>Une autre gravure est déjà en cours.</translation>
    </message>
    <message>
        <source>The disc image &quot;%1&quot; is incomplete (%2 of %3 bytes).</source>
        <translation>L’image disque « %1 » est incomplète (%2 octets sur %3).</translation>
    </message>
    <message>
        <source>The disc writing library (libburn) could not be started.</source>
        <translation>La bibliothèque d’écriture de disques (libburn) n’a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>%1 is not a file or a drive a disc can be written to (it is %2).</source>
        <translation>%1 n’est ni un fichier ni un lecteur sur lequel écrire un disque (c’est %2).</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; is not valid UTF-8 text.</source>
        <translation>Le nom de volume « %1 » n’est pas un texte UTF-8 valide.</translation>
    </message>
    <message>
        <source>The volume label &quot;%1&quot; takes %2 bytes; a disc&apos;s volume label holds at most %3 (a letter with an accent takes two or more).</source>
        <translation>Le nom de volume « %1 » occupe %2 octets ; le nom de volume d’un disque en contient au plus %3 (une lettre accentuée en occupe deux ou plus).</translation>
    </message>
    <message>
        <source>%1 drive found.</source>
        <translation>%1 lecteur trouvé.</translation>
    </message>
    <message>
        <source>%1 drives found.</source>
        <translation>%1 lecteurs trouvés.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>DVD authoring and burning</source>
        <translation>Création et gravure de DVD</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Make a DVD from your videos, or burn an authored DVD folder.</source>
        <translation>Créez un DVD à partir de vos vidéos, ou gravez un dossier DVD déjà créé.</translation>
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
        <translation>Fichiers multimédias</translation>
    </message>
    <message>
        <source>Add video</source>
        <translation>Ajouter des vidéos</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add videos</source>
        <translation>Ajouter des vidéos</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove the selected video (Delete)</source>
        <translation>Retirer la vidéo sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Remove all videos</source>
        <translation>Retirer toutes les vidéos</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Move the selected video up (Alt+Up)</source>
        <translation>Monter la vidéo sélectionnée (Alt+Haut)</translation>
    </message>
    <message>
        <source>Move the selected video down (Alt+Down)</source>
        <translation>Descendre la vidéo sélectionnée (Alt+Bas)</translation>
    </message>
    <message>
        <source>Switch disc type (Alt+D)</source>
        <translation>Changer de type de disque (Alt+D)</translation>
    </message>
    <message>
        <source>Open a project: its videos and choices (Ctrl+O)</source>
        <translation>Ouvrir un projet : ses vidéos et ses réglages (Ctrl+O)</translation>
    </message>
    <message>
        <source>&amp;Open project…</source>
        <translation>&amp;Ouvrir un projet…</translation>
    </message>
    <message>
        <source>Save the videos and the choices as a project (Ctrl+S)</source>
        <translation>Enregistrer les vidéos et les réglages comme projet (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;Save project…</source>
        <translation>&amp;Enregistrer le projet…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>%1: only one project opens at a time.</source>
        <translation>%1 : un seul projet peut être ouvert à la fois.</translation>
    </message>
    <message>
        <source>This file was not added:</source>
        <translation>Ce fichier n’a pas été ajouté :</translation>
    </message>
    <message>
        <source>These files were not added:</source>
        <translation>Ces fichiers n’ont pas été ajoutés :</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>it was not read: reading was cancelled</source>
        <translation>elle n’a pas été lue : la lecture a été annulée</translation>
    </message>
    <message>
        <source>Find %1</source>
        <translation>Rechercher %1</translation>
    </message>
    <message>
        <source>Remove all videos from the list?</source>
        <translation>Retirer toutes les vidéos de la liste ?</translation>
    </message>
    <message>
        <source>A %1 disc should not greater than %2 MB. Are you sure to continue ?</source>
        <translation>Un disque %1 ne devrait pas dépasser %2 Mo. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>No file added, do you want do it now?</source>
        <translation>Aucun fichier ajouté. Voulez-vous en ajouter maintenant ?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Close the page and discard the video of the list?</source>
        <translation>Fermer la page et abandonner la vidéo de la liste ?</translation>
    </message>
    <message>
        <source>Close the page and discard the %1 videos of the list?</source>
        <translation>Fermer la page et abandonner les %1 vidéos de la liste ?</translation>
    </message>
    <message>
        <source>Quorva projects (*.quorva *.QUORVA)</source>
        <translation>Projets Quorva (*.quorva *.QUORVA)</translation>
    </message>
    <message>
        <source>Open project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Save project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Replace the video of the list with the videos of the project %1?</source>
        <translation>Remplacer la vidéo de la liste par les vidéos du projet %1 ?</translation>
    </message>
    <message>
        <source>Replace the %1 videos of the list with the videos of the project %2?</source>
        <translation>Remplacer les %1 vidéos de la liste par les vidéos du projet %2 ?</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>Video: missing</source>
        <translation>Vidéo : introuvable</translation>
    </message>
    <message>
        <source>Video: cannot be used (%1)</source>
        <translation>Vidéo : inutilisable (%1)</translation>
    </message>
    <message>
        <source>Double-click to find it, or remove it.</source>
        <translation>Double-cliquez pour la rechercher, ou retirez-la.</translation>
    </message>
    <message>
        <source>The video %1 of the project is missing. Find it or remove it from the list.</source>
        <translation>La vidéo %1 du projet est introuvable. Recherchez-la ou retirez-la de la liste.</translation>
    </message>
    <message>
        <source>The video %1 of the project cannot be used: %2. Find it or remove it from the list.</source>
        <translation>La vidéo %1 du projet est inutilisable : %2. Recherchez-la ou retirez-la de la liste.</translation>
    </message>
    <message>
        <source>The name under the video&apos;s picture in the menu (empty: the file&apos;s name)</source>
        <translation>Le nom sous l’image de la vidéo dans le menu (vide : le nom du fichier)</translation>
    </message>
    <message>
        <source>Show the disc&apos;s menus for these videos, before converting</source>
        <translation>Afficher les menus du disque pour ces vidéos, avant la conversion</translation>
    </message>
    <message>
        <source>&amp;Preview menus…</source>
        <translation>Aperçu des &amp;menus…</translation>
    </message>
    <message>
        <source>Subtitles: %1</source>
        <translation>Sous-titres&#xa0;: %1</translation>
    </message>
    <message>
        <source>no language</source>
        <translation>sans langue</translation>
    </message>
    <message>
        <source>Audio: no track kept</source>
        <translation>Audio&#xa0;: aucune piste gardée</translation>
    </message>
    <message>
        <source>Audio: 1 track (%1)</source>
        <translation>Audio&#xa0;: 1 piste (%1)</translation>
    </message>
    <message>
        <source>Audio: %1 tracks (%2)</source>
        <translation>Audio&#xa0;: %1 pistes (%2)</translation>
    </message>
    <message>
        <source>Sound track %1 (%2)</source>
        <translation>Piste son %1 (%2)</translation>
    </message>
    <message>
        <source>in the video</source>
        <translation>dans la vidéo</translation>
    </message>
    <message>
        <source>Subtitles %1 (%2), %3</source>
        <translation>Sous-titres %1 (%2), %3</translation>
    </message>
</context>
<context>
    <name>CDVDAuthorProcessDlg</name>
    <message>
        <source>NTSC DVD</source>
        <translation>DVD NTSC</translation>
    </message>
    <message>
        <source>PAL DVD</source>
        <translation>DVD PAL</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Time used:</source>
        <translation>Temps écoulé&#xa0;:</translation>
    </message>
    <message>
        <source>Time reserved:</source>
        <translation>Temps restant&#xa0;:</translation>
    </message>
    <message>
        <source>Convert time:</source>
        <translation>Durée convertie&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>&amp;Drive:</source>
        <translation>&amp;Graveur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Volume label:</source>
        <translation>Nom du &amp;volume&#xa0;:</translation>
    </message>
    <message>
        <source>DVD folder:</source>
        <translation>Dossier DVD&#xa0;:</translation>
    </message>
    <message>
        <source>Aspect ratio:</source>
        <translation>Format d’image&#xa0;:</translation>
    </message>
    <message>
        <source>TV standard:</source>
        <translation>Norme TV&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Quality:</source>
        <translation>&amp;Qualité&#xa0;:</translation>
    </message>
    <message>
        <source>Working folder:</source>
        <translation>Dossier de travail&#xa0;:</translation>
    </message>
    <message>
        <source>Converting:</source>
        <translation>Conversion&#xa0;:</translation>
    </message>
    <message>
        <source>Burning:</source>
        <translation>Gravure&#xa0;:</translation>
    </message>
    <message>
        <source>No DVD Device found!</source>
        <translation>Aucun graveur de DVD trouvé !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>about %1 MB on the disc</source>
        <translation>environ %1 Mo sur le disque</translation>
    </message>
    <message>
        <source>Working folder(atleast 10GB of free space)</source>
        <translation>Dossier de travail (au moins 10 Go libres)</translation>
    </message>
    <message>
        <source>DVD disc volume limited to %1 characters, would you like use the first %2 characters of &quot;%3&quot; ?</source>
        <translation>Le nom de volume d’un DVD est limité à %1 caractères. Utiliser les %2 premiers caractères de « %3 » ?</translation>
    </message>
    <message>
        <source>(A letter with an accent takes the room of two or more.)</source>
        <translation>(Une lettre accentuée prend la place de deux ou plus.)</translation>
    </message>
    <message>
        <source>The file&lt;%1&gt; will be set as background of DVD title menu not exists, do you want specify now ? or No use default. </source>
        <translation>Le fichier &lt;%1&gt; prévu comme fond du menu des titres du DVD n’existe pas. En choisir un maintenant ? Non utilise le fond par défaut.</translation>
    </message>
    <message>
        <source>The file&lt;%1&gt; will be set as background of DVD root menu not exists, do you want specify now ? or No use default. </source>
        <translation>Le fichier &lt;%1&gt; prévu comme fond du menu principal du DVD n’existe pas. En choisir un maintenant ? Non utilise le fond par défaut.</translation>
    </message>
    <message>
        <source>Do you want to choose another picture now? No uses the default picture.</source>
        <translation>Voulez-vous choisir une autre image maintenant ? Non utilise l’image par défaut.</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Converting in progress, are you sure to abort?</source>
        <translation>Conversion en cours. Voulez-vous vraiment l’interrompre ?</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Aborted.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>The DVD folder %1 is complete: Direct burn in the main window can write it.</source>
        <translation>Le dossier DVD %1 est complet : « Graver directement » dans la fenêtre principale peut le graver.</translation>
    </message>
    <message>
        <source>The job failed: %1</source>
        <translation>La tâche a échoué : %1</translation>
    </message>
    <message>
        <source>Disc image written to %1</source>
        <translation>Image disque écrite dans %1</translation>
    </message>
    <message>
        <source>The disc was written in %1, volume label &quot;%2&quot;.</source>
        <translation>Le disque a été gravé dans %1, nom de volume « %2 ».</translation>
    </message>
    <message>
        <source>Nothing was burned. The DVD folder is %1</source>
        <translation>Rien n’a été gravé. Le dossier DVD est %1</translation>
    </message>
    <message>
        <source>no file manager could be started</source>
        <translation>aucun gestionnaire de fichiers n’a pu être lancé</translation>
    </message>
    <message>
        <source>The folder %1 cannot be shown: %2.</source>
        <translation>Le dossier %1 ne peut pas être affiché : %2.</translation>
    </message>
    <message>
        <source>Process in progress...</source>
        <translation>Traitement en cours...</translation>
    </message>
    <message>
        <source>Create DVD</source>
        <translation>Créer un DVD</translation>
    </message>
    <message>
        <source>Direct burn</source>
        <translation>Graver directement</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompre</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>The drive&apos;s best</source>
        <translation>Le mieux que le graveur puisse faire</translation>
    </message>
    <message>
        <source>&amp;Burn speed:</source>
        <translation>Vi&amp;tesse de gravure&#xa0;:</translation>
    </message>
    <message>
        <source>Disc &amp;title:</source>
        <translation>Titre du disq&amp;ue&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Chapters every:</source>
        <translation>&amp;Chapitres toutes les&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;After each video:</source>
        <translation>&amp;Après chaque vidéo&#xa0;:</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>one per video</source>
        <translation>un par vidéo</translation>
    </message>
    <message>
        <source>Play the next video</source>
        <translation>Lire la vidéo suivante</translation>
    </message>
    <message>
        <source>Return to the menu</source>
        <translation>Revenir au menu</translation>
    </message>
    <message>
        <source>&amp;Preview menus...</source>
        <translation>Aperçu des &amp;menus...</translation>
    </message>
</context>
<context>
    <name>CMenuPreviewDlg</name>
    <message>
        <source>Title menu</source>
        <translation>Menu des titres</translation>
    </message>
    <message>
        <source>Root menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Root menu, page %1</source>
        <translation>Menu principal, page %1</translation>
    </message>
    <message>
        <source>Preview menus</source>
        <translation>Aperçu des menus</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Choose a BMP or JPEG picture.</source>
        <translation>Choisissez une image BMP ou JPEG.</translation>
    </message>
    <message>
        <source>Menu background</source>
        <translation>Fond de menu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>What happens to the working folder when the program ends (clearing removes only the files the program made there; finished discs and images are kept), and the pictures behind the title menu and the root menu of the next DVDs.</source>
        <translation>Ce que devient le dossier de travail à la fermeture du programme (le vider ne supprime que les fichiers que le programme y a créés ; les disques et images terminés sont conservés), et les images de fond du menu des titres et du menu principal des prochains DVD.</translation>
    </message>
    <message>
        <source>Clear the content of temp folder</source>
        <translation>Vider le contenu du dossier temporaire</translation>
    </message>
    <message>
        <source>Background picture of menu</source>
        <translation>Image de fond des menus</translation>
    </message>
    <message>
        <source>Title menu:</source>
        <translation>Menu des titres&#xa0;:</translation>
    </message>
    <message>
        <source>Root folder:</source>
        <translation>Menu principal&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes, at exit</source>
        <translation>&amp;Oui, en quittant</translation>
    </message>
    <message>
        <source>&amp;No, keep it</source>
        <translation>&amp;Non, le conserver</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Working folder(atleast 10GB of free space)</source>
        <translation>Dossier de travail (au moins 10 Go libres)</translation>
    </message>
</context>
<context>
    <name>CQuorvaDlg</name>
    <message>
        <source>Create DVD step by step.</source>
        <translation>Créer un DVD pas à pas.</translation>
    </message>
    <message>
        <source>&amp;Create DVD</source>
        <translation>&amp;Créer un DVD</translation>
    </message>
    <message>
        <source>Direct burn the DVD folder which authored by us.</source>
        <translation>Graver directement un dossier DVD créé avec Quorva.</translation>
    </message>
    <message>
        <source>&amp;Direct burn</source>
        <translation>&amp;Graver directement</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Make a DVD from your videos, step by step.</source>
        <translation>Créez pas à pas un DVD à partir de vos vidéos.</translation>
    </message>
    <message>
        <source>Burn a DVD folder that was authored before.</source>
        <translation>Gravez un dossier DVD créé auparavant.</translation>
    </message>
    <message>
        <source>DVD folder</source>
        <translation>Dossier DVD</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Product Online</source>
        <translation>Le produit en ligne</translation>
    </message>
    <message>
        <source>No web browser could be opened for %1 (%2).</source>
        <translation>Aucun navigateur web n’a pu être ouvert pour %1 (%2).</translation>
    </message>
</context>
<context>
    <name>CSplashDlg</name>
    <message>
        <source>Initializing...</source>
        <translation>Initialisation...</translation>
    </message>
</context>
<context>
    <name>CrashReport</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Product crash</source>
        <translation>Plantage du programme</translation>
    </message>
    <message>
        <source>Could not open file to write error information.</source>
        <translation>Impossible d’ouvrir le fichier pour écrire les informations d’erreur.</translation>
    </message>
    <message>
        <source>Could not CloseHandle.</source>
        <translation>CloseHandle a échoué.</translation>
    </message>
    <message>
        <source>We are very sorry for the crash of our product. There is a mini dump file in the folder %1 named &quot;%2&quot; can help us fix the problem if you can send us %3. Thanks!</source>
        <translation>Nous sommes vraiment désolés du plantage de notre programme. Le dossier %1 contient un fichier de vidage nommé « %2 » ; si vous pouvez nous l’envoyer à %3, il nous aidera à corriger le problème. Merci !</translation>
    </message>
    <message>
        <source>Could not create error dump:GetLastError()=%.8X</source>
        <translation>Impossible de créer le vidage d’erreur :GetLastError()=%.8X</translation>
    </message>
</context>
<context>
    <name>DesktopOpen</name>
    <message>
        <source>no program to open it is installed</source>
        <translation>aucun programme pour l’ouvrir n’est installé</translation>
    </message>
    <message>
        <source>the program that opens it ended unexpectedly</source>
        <translation>le programme qui l’ouvre s’est arrêté de façon inattendue</translation>
    </message>
    <message>
        <source>xdg-open failed with status %1</source>
        <translation>xdg-open a échoué avec le statut %1</translation>
    </message>
    <message>
        <source>xdg-open could not be started</source>
        <translation>xdg-open n’a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>DeviceDiscovery</name>
    <message>
        <source>Can&apos;t start find device thread!</source>
        <translation>Impossible de lancer la recherche des appareils !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>DiscBurner</name>
    <message>
        <source>Disc image file (ISO)</source>
        <translation>Fichier image disque (ISO)</translation>
    </message>
</context>
<context>
    <name>DiscChecker</name>
    <message>
        <source>Disc checked: %1 videos, menus and buttons as expected</source>
        <translation>Disque vérifié : %1 vidéos, menus et boutons conformes</translation>
    </message>
    <message>
        <source>Disc checked: %1 videos, the menus are laid out otherwise and were not checked</source>
        <translation>Disque vérifié : %1 vidéos ; les menus sont disposés autrement et n’ont pas été vérifiés</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>First play</source>
        <translation>Première lecture</translation>
    </message>
    <message>
        <source>Title menu</source>
        <translation>Menu des titres</translation>
    </message>
    <message>
        <source>Play button</source>
        <translation>Bouton Lecture</translation>
    </message>
    <message>
        <source>End of the title</source>
        <translation>Fin du titre</translation>
    </message>
    <message>
        <source>Root menu button</source>
        <translation>Bouton Menu principal</translation>
    </message>
    <message>
        <source>Root menu page %1 of %2</source>
        <translation>Menu principal page %1 sur %2</translation>
    </message>
    <message>
        <source>Root menu buttons</source>
        <translation>Boutons du menu principal</translation>
    </message>
    <message>
        <source>Disc image</source>
        <translation>Image disque</translation>
    </message>
    <message>
        <source>Image size</source>
        <translation>Taille de l’image</translation>
    </message>
    <message>
        <source>Volume label</source>
        <translation>Nom de volume</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titre %1</translation>
    </message>
    <message>
        <source>Chapter lengths</source>
        <translation>Durées des chapitres</translation>
    </message>
    <message>
        <source>Disc files</source>
        <translation>Fichiers du disque</translation>
    </message>
    <message>
        <source>Disc information</source>
        <translation>Informations du disque</translation>
    </message>
    <message>
        <source>Table counts</source>
        <translation>Nombres des tables</translation>
    </message>
    <message>
        <source>Program chains</source>
        <translation>Chaînes de programme</translation>
    </message>
    <message>
        <source>Subtitle streams</source>
        <translation>Flux de sous-titres</translation>
    </message>
    <message>
        <source>Audio streams</source>
        <translation>Flux audio</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>nothing (the player refuses it)</source>
        <translation>rien (le lecteur le refuse)</translation>
    </message>
    <message>
        <source>a stop of playback</source>
        <translation>un arrêt de la lecture</translation>
    </message>
    <message>
        <source>title %1 chapter %2</source>
        <translation>titre %1 chapitre %2</translation>
    </message>
    <message>
        <source>the title menu</source>
        <translation>le menu des titres</translation>
    </message>
    <message>
        <source>another title menu</source>
        <translation>un autre menu des titres</translation>
    </message>
    <message>
        <source>a root menu</source>
        <translation>un menu principal</translation>
    </message>
    <message>
        <source>first play</source>
        <translation>la première lecture</translation>
    </message>
    <message>
        <source>does not wait for a button: when its picture ends, playback goes on to %1</source>
        <translation>n’attend pas de bouton : à la fin de son image, la lecture passe vers %1</translation>
    </message>
    <message>
        <source>first play leads to %1: the menus are not laid out as this program makes them and were not checked</source>
        <translation>la première lecture mène vers %1 : les menus ne sont pas disposés comme ce programme les fait et n’ont pas été vérifiés</translation>
    </message>
    <message>
        <source>leads to %1, not to the title menu</source>
        <translation>mène vers %1, pas vers le menu des titres</translation>
    </message>
    <message>
        <source>leads to %1, not to the title menu (%2)</source>
        <translation>mène vers %1, pas vers le menu des titres (%2)</translation>
    </message>
    <message>
        <source>shows the title menu</source>
        <translation>affiche le menu des titres</translation>
    </message>
    <message>
        <source>%1 button</source>
        <translation>%1 bouton</translation>
    </message>
    <message>
        <source>%1 buttons</source>
        <translation>%1 boutons</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>attendu : %1</translation>
    </message>
    <message>
        <source>holds as a still</source>
        <translation>reste en image fixe</translation>
    </message>
    <message>
        <source>the title menu cannot be called again</source>
        <translation>le menu des titres ne peut pas être rappelé</translation>
    </message>
    <message>
        <source>plays title 1 from chapter 1</source>
        <translation>lit le titre 1 à partir du chapitre 1</translation>
    </message>
    <message>
        <source>leads to %1, not to title 1 chapter 1</source>
        <translation>mène vers %1, pas vers le titre 1 chapitre 1</translation>
    </message>
    <message>
        <source>returns to %1</source>
        <translation>revient vers %1</translation>
    </message>
    <message>
        <source>leads to %1, not back to a menu</source>
        <translation>mène vers %1, pas de retour vers un menu</translation>
    </message>
    <message>
        <source>the title menu has no second button</source>
        <translation>le menu des titres n’a pas de deuxième bouton</translation>
    </message>
    <message>
        <source>opens the root menu</source>
        <translation>ouvre le menu principal</translation>
    </message>
    <message>
        <source>leads to %1, not to the root menu</source>
        <translation>mène vers %1, pas vers le menu principal</translation>
    </message>
    <message>
        <source>button %1 plays title %2 chapter %3</source>
        <translation>le bouton %1 lit le titre %2 chapitre %3</translation>
    </message>
    <message>
        <source>button %1 turns to page %2</source>
        <translation>le bouton %1 passe à la page %2</translation>
    </message>
    <message>
        <source>button %1 goes back to the title menu</source>
        <translation>le bouton %1 revient au menu des titres</translation>
    </message>
    <message>
        <source>button %1 leads to %2</source>
        <translation>le bouton %1 mène vers %2</translation>
    </message>
    <message>
        <source>a place the check could not reach</source>
        <translation>un endroit que la vérification n’a pas pu atteindre</translation>
    </message>
    <message>
        <source>the page cannot be reached again</source>
        <translation>la page ne peut pas être atteinte à nouveau</translation>
    </message>
    <message>
        <source>chapter %1</source>
        <translation>chapitre %1</translation>
    </message>
    <message>
        <source>chapters %1</source>
        <translation>chapitres %1</translation>
    </message>
    <message>
        <source>chapters %1 to %2</source>
        <translation>chapitres %1 à %2</translation>
    </message>
    <message>
        <source>button %1 of page %2 plays %3, expected %4</source>
        <translation>le bouton %1 de la page %2 lit %3, attendu : %4</translation>
    </message>
    <message>
        <source>button %1 of page %2 plays %3, after %4</source>
        <translation>le bouton %1 de la page %2 lit %3, après %4</translation>
    </message>
    <message>
        <source>%1 button plays a chapter, expected one for each of the %2</source>
        <translation>%1 bouton lit un chapitre, attendu : un pour chacune des %2</translation>
    </message>
    <message>
        <source>%1 buttons play chapters, expected one for each of the %2</source>
        <translation>%1 boutons lisent des chapitres, attendu : un pour chacune des %2</translation>
    </message>
    <message>
        <source>%1 video</source>
        <translation>%1 vidéo</translation>
    </message>
    <message>
        <source>%1 videos</source>
        <translation>%1 vidéos</translation>
    </message>
    <message>
        <source>%1 button, each playing its video&apos;s first chapter, in order</source>
        <translation>%1 bouton, chacun lit le premier chapitre de sa vidéo, dans l’ordre</translation>
    </message>
    <message>
        <source>%1 buttons, each playing its video&apos;s first chapter, in order</source>
        <translation>%1 boutons, chacun lit le premier chapitre de sa vidéo, dans l’ordre</translation>
    </message>
    <message>
        <source>%1 sector, as its file system says</source>
        <translation>%1 secteur, comme l’indique son système de fichiers</translation>
    </message>
    <message>
        <source>%1 sectors, as its file system says</source>
        <translation>%1 secteurs, comme l’indique son système de fichiers</translation>
    </message>
    <message>
        <source>the image is truncated: it holds %1 of the %2 sectors its file system spans</source>
        <translation>l’image est tronquée : elle contient %1 des %2 secteurs que couvre son système de fichiers</translation>
    </message>
    <message>
        <source>&quot;%1&quot;, expected &quot;%2&quot;</source>
        <translation>« %1 », attendu : « %2 »</translation>
    </message>
    <message>
        <source>%1 chapter</source>
        <translation>%1 chapitre</translation>
    </message>
    <message>
        <source>%1 chapters</source>
        <translation>%1 chapitres</translation>
    </message>
    <message>
        <source>video %1 plays %2, its file %3</source>
        <translation>la vidéo %1 dure %2, son fichier %3</translation>
    </message>
    <message>
        <source>each video within %1 of its file (largest difference %2)</source>
        <translation>chaque vidéo à moins de %1 de son fichier (plus grand écart %2)</translation>
    </message>
    <message>
        <source>every file the disc&apos;s information names is there</source>
        <translation>chaque fichier nommé par les informations du disque est présent</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 are missing</source>
        <translation>%1 manquent</translation>
    </message>
    <message>
        <source>the disc has no title</source>
        <translation>le disque n’a aucun titre</translation>
    </message>
    <message>
        <source>expected %1 (one per video)</source>
        <translation>attendu : %1 (un par vidéo)</translation>
    </message>
    <message>
        <source>chapter %1 is %2 long, its video %3</source>
        <translation>le chapitre %1 dure %2, sa vidéo %3</translation>
    </message>
    <message>
        <source>no chapter to compare</source>
        <translation>aucun chapitre à comparer</translation>
    </message>
    <message>
        <source>each within %1 of its video (largest difference %2)</source>
        <translation>chacun à moins de %1 de sa vidéo (plus grand écart %2)</translation>
    </message>
    <message>
        <source>%1 stream listed, each carried by the videos</source>
        <translation>%1 flux listé, chacun porté par les vidéos</translation>
    </message>
    <message>
        <source>%1 streams listed, each carried by the videos</source>
        <translation>%1 flux listés, chacun porté par les vidéos</translation>
    </message>
    <message>
        <source>the walk through the menus gave no report</source>
        <translation>le parcours des menus n’a donné aucun rapport</translation>
    </message>
    <message>
        <source>the player&apos;s navigation went round a loop of the disc&apos;s commands while %1 and did not come back within %2 s</source>
        <translation>la navigation du lecteur a tourné dans une boucle des commandes du disque (%1) et n’est pas revenue en %2 s</translation>
    </message>
    <message>
        <source>the walk through the menus did not end within %1 s (%2)</source>
        <translation>le parcours des menus ne s’est pas terminé en %1 s (%2)</translation>
    </message>
    <message>
        <source>the walk through the menus did not end within %1 s (last at %2)</source>
        <translation>le parcours des menus ne s’est pas terminé en %1 s (en dernier à %2)</translation>
    </message>
    <message>
        <source>the check was stopped</source>
        <translation>la vérification a été arrêtée</translation>
    </message>
    <message>
        <source>the player&apos;s navigation failed (%1)</source>
        <translation>la navigation du lecteur a échoué (%1)</translation>
    </message>
    <message>
        <source>the player&apos;s navigation failed (%1) while %2</source>
        <translation>la navigation du lecteur a échoué (%1) pendant : %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a disc image or a drive</source>
        <translation>%1 est %2, ni une image disque ni un lecteur</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a character device</source>
        <translation>un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>title set %1: %2 stream (%3) in every cell</source>
        <translation>jeu de titres %1 : %2 flux (%3) dans chaque cellule</translation>
    </message>
    <message>
        <source>title set %1: %2 streams (%3) in every cell</source>
        <translation>jeu de titres %1 : %2 flux (%3) dans chaque cellule</translation>
    </message>
    <message>
        <source>title set %1: %2 streams in every cell</source>
        <translation>jeu de titres %1 : %2 flux dans chaque cellule</translation>
    </message>
    <message>
        <source>no language</source>
        <translation>aucune langue</translation>
    </message>
    <message>
        <source>title set %1 program chain %2 cell %3 carries audio stream %4, which the stream table does not list</source>
        <translation>jeu de titres %1, chaîne de programme %2, cellule %3 : porte le flux audio %4, que la table des flux ne liste pas</translation>
    </message>
    <message>
        <source>title set %1 program chain %2 cell %3 lacks audio stream %4, which its program chain offers</source>
        <translation>jeu de titres %1, chaîne de programme %2, cellule %3 : il manque le flux audio %4, que sa chaîne de programme propose</translation>
    </message>
    <message>
        <source>title set %1&apos;s stream table lists audio stream %2 (%3), which none of its videos carries</source>
        <translation>la table des flux du jeu de titres %1 liste le flux audio %2 (%3), qu’aucune de ses vidéos ne porte</translation>
    </message>
    <message>
        <source>title set %1&apos;s videos carry subtitle stream %2, but it lists %3</source>
        <translation>les vidéos du jeu de titres %1 portent le flux de sous-titres %2, mais il n’en liste que %3</translation>
    </message>
    <message>
        <source>title set %1 lists subtitle stream %2, which none of its videos carries</source>
        <translation>le jeu de titres %1 liste le flux de sous-titres %2, qu’aucune de ses vidéos ne porte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>no DVD-Video can be read from %1</source>
        <translation>aucun DVD-Vidéo ne peut être lu depuis %1</translation>
    </message>
    <message>
        <source>no DVD-Video can be read from %1 (%2)</source>
        <translation>aucun DVD-Vidéo ne peut être lu depuis %1 (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 est illisible</translation>
    </message>
    <message>
        <source>%1 (the title menu)</source>
        <translation>%1 (le menu des titres)</translation>
    </message>
    <message>
        <source>%1 (title set %2)</source>
        <translation>%1 (jeu de titres %2)</translation>
    </message>
    <message>
        <source>%1 (the root menu)</source>
        <translation>%1 (le menu principal)</translation>
    </message>
    <message>
        <source>%1 (the videos)</source>
        <translation>%1 (les vidéos)</translation>
    </message>
    <message>
        <source>%1 places its %2 at byte %3, past the end</source>
        <translation>%1 : la %2 est placée à l’octet %3, au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>%1 places the commands of its %2 past the end</source>
        <translation>%1 : les commandes de la %2 sont placées au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>%1 gives its %2 %3 pre-commands, %4 post-commands and %5 cell commands, more than the %6 a program chain holds</source>
        <translation>%1 : la %2 a %3 pré-commandes, %4 post-commandes et %5 commandes de cellule, plus que les %6 que contient une chaîne de programme</translation>
    </message>
    <message>
        <source>%1 places the tables of its %2 past the end</source>
        <translation>%1 : les tables de la %2 sont placées au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>%1 places its %2 past the end</source>
        <translation>%1 : la %2 est placée au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>%1 gives its %2 %3 program chains, more than the file holds</source>
        <translation>%1 : la %2 annonce %3 chaînes de programme, plus que le fichier n’en contient</translation>
    </message>
    <message>
        <source>%1 gives its %2 %3 language units, more than it holds</source>
        <translation>%1 : la %2 annonce %3 unités de langue, plus qu’elle n’en contient</translation>
    </message>
    <message>
        <source>%1 places its %2 at sector %3, past the %4 sectors of the file</source>
        <translation>%1 : la %2 est placée au secteur %3, au-delà des %4 secteurs du fichier</translation>
    </message>
    <message>
        <source>%1 gives its %2 a size of %3 bytes, which is shorter than its header</source>
        <translation>%1 : la %2 a une taille de %3 octets, plus courte que son en-tête</translation>
    </message>
    <message>
        <source>%1 gives its %2 a size of %3 bytes, which runs past the end</source>
        <translation>%1 : la %2 a une taille de %3 octets, qui dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>%1 claims %2 title sets, more than the %3 a disc holds</source>
        <translation>%1 annonce %2 jeux de titres, plus que les %3 que contient un disque</translation>
    </message>
    <message>
        <source>title table</source>
        <translation>table des titres</translation>
    </message>
    <message>
        <source>menu table</source>
        <translation>table des menus</translation>
    </message>
    <message>
        <source>parental table</source>
        <translation>table du contrôle parental</translation>
    </message>
    <message>
        <source>title set attributes</source>
        <translation>table des attributs des jeux de titres</translation>
    </message>
    <message>
        <source>text table</source>
        <translation>table des textes</translation>
    </message>
    <message>
        <source>menu cell addresses</source>
        <translation>table des adresses des cellules de menu</translation>
    </message>
    <message>
        <source>menu unit map</source>
        <translation>table des unités de menu</translation>
    </message>
    <message>
        <source>chapter table</source>
        <translation>table des chapitres</translation>
    </message>
    <message>
        <source>time map</source>
        <translation>table des temps</translation>
    </message>
    <message>
        <source>cell addresses</source>
        <translation>table des adresses des cellules</translation>
    </message>
    <message>
        <source>unit map</source>
        <translation>table des unités</translation>
    </message>
    <message>
        <source>first play program chain</source>
        <translation>chaîne de programme de la première lecture</translation>
    </message>
    <message>
        <source>%1&apos;s program chain %2</source>
        <translation>chaîne de programme %2 de la %1</translation>
    </message>
    <message>
        <source>%1&apos;s language unit %2</source>
        <translation>unité de langue %2 de la %1</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>no ISO 9660 volume descriptor in %1</source>
        <translation>aucun descripteur de volume ISO 9660 dans %1</translation>
    </message>
    <message>
        <source>title set %1</source>
        <translation>jeu de titres %1</translation>
    </message>
    <message>
        <source>manager menu %1</source>
        <translation>menu du gestionnaire vidéo %1</translation>
    </message>
    <message>
        <source>title set %1 menu %2</source>
        <translation>jeu de titres %1, menu %2</translation>
    </message>
    <message>
        <source>title set %1 program chain %2</source>
        <translation>jeu de titres %1, chaîne de programme %2</translation>
    </message>
    <message>
        <source>%1 has %2 programs but no cells</source>
        <translation>%1 a %2 programmes mais aucune cellule</translation>
    </message>
    <message>
        <source>%1 has program %2 starting at cell %3 of its %4 cells</source>
        <translation>%1 : le programme %2 commence à la cellule %3 de ses %4 cellules</translation>
    </message>
    <message>
        <source>the manager&apos;s menu table</source>
        <translation>la table des menus du gestionnaire vidéo</translation>
    </message>
    <message>
        <source>%1&apos;s menu table</source>
        <translation>la table des menus du %1</translation>
    </message>
    <message>
        <source>%1&apos;s title table</source>
        <translation>la table des titres du %1</translation>
    </message>
    <message>
        <source>%1&apos;s chapter table</source>
        <translation>la table des chapitres du %1</translation>
    </message>
    <message>
        <source>%1 jumps in its pre-commands to %2, which the disc does not have</source>
        <translation>%1 saute dans ses pré-commandes vers %2, que le disque ne contient pas</translation>
    </message>
    <message>
        <source>the manager&apos;s menu of entry %1</source>
        <translation>le menu du gestionnaire vidéo pour l’entrée %1</translation>
    </message>
    <message>
        <source>title set %1&apos;s menu of entry %2</source>
        <translation>le menu du jeu de titres %1 pour l’entrée %2</translation>
    </message>
    <message>
        <source>navigation loop: %1 in its pre-commands, before anything plays</source>
        <translation>boucle de navigation : %1 dans les pré-commandes, avant toute lecture</translation>
    </message>
    <message>
        <source>%1 jumps to itself</source>
        <translation>%1 saute vers lui-même</translation>
    </message>
    <message>
        <source>%1 to %2 to %3 jump round</source>
        <translation>%1 → %2 → %3 en boucle</translation>
    </message>
    <message>
        <source>%1 claims %2 programs and %3 cells, more than its %4-byte block holds or than it has cells</source>
        <translation>%1 annonce %2 programmes et %3 cellules, plus que n’en contient le bloc de %4 octets ou qu’il n’y a de cellules</translation>
    </message>
    <message>
        <source>%1 has cell %2 at sectors %3 to %4, past the %5 sectors of its videos</source>
        <translation>%1 a la cellule %2 aux secteurs %3 à %4, au-delà des %5 secteurs de ses vidéos</translation>
    </message>
    <message>
        <source>the title table claims %1 titles and holds %2</source>
        <translation>la table des titres annonce %1 titres et en contient %2</translation>
    </message>
    <message>
        <source>title %1 lies in title set %2, not one of the %3 title sets the disc claims</source>
        <translation>le titre %1 se trouve dans le jeu de titres %2, qui n’est pas l’un des %3 jeux de titres que le disque annonce</translation>
    </message>
    <message>
        <source>title %1 claims %2 chapters, its title set lists %3</source>
        <translation>le titre %1 annonce %2 chapitres, son jeu de titres en liste %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>manager menu</source>
        <translation>menu du gestionnaire vidéo</translation>
    </message>
    <message>
        <source>title set menu</source>
        <translation>menu de jeu de titres</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>%1 (set %2, %3 buttons)</source>
        <translation>%1 (jeu %2, %3 boutons)</translation>
    </message>
    <message>
        <source>%1 (set %2, %3 buttons, %4)</source>
        <translation>%1 (jeu %2, %3 boutons, %4)</translation>
    </message>
    <message>
        <source>button %1 highlighted</source>
        <translation>bouton %1 en surbrillance</translation>
    </message>
    <message>
        <source>still</source>
        <translation>image fixe</translation>
    </message>
    <message>
        <source>playing on from %1</source>
        <translation>poursuite de la lecture depuis %1</translation>
    </message>
    <message>
        <source>playing %1</source>
        <translation>lecture de %1</translation>
    </message>
    <message>
        <source>playing %1 to its end</source>
        <translation>lecture de %1 jusqu’à sa fin</translation>
    </message>
    <message>
        <source>playing %1 to the end of its picture</source>
        <translation>lecture de %1 jusqu’à la fin de son image</translation>
    </message>
    <message>
        <source>pressing button %1 of %2</source>
        <translation>appui sur le bouton %1 de %2</translation>
    </message>
    <message>
        <source>calling the title menu from %1</source>
        <translation>appel du menu des titres depuis %1</translation>
    </message>
    <message>
        <source>calling the root menu from %1</source>
        <translation>appel du menu principal depuis %1</translation>
    </message>
</context>
<context>
    <name>MediaCheck</name>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>its folder cannot be opened (permission denied)</source>
        <translation>son dossier ne peut pas être ouvert (permission refusée)</translation>
    </message>
    <message>
        <source>it is a folder, not a video file</source>
        <translation>c’est un dossier, pas un fichier vidéo</translation>
    </message>
    <message>
        <source>it is a pipe, not a video file</source>
        <translation>c’est un tube, pas un fichier vidéo</translation>
    </message>
    <message>
        <source>it is a device, not a video file</source>
        <translation>c’est un périphérique, pas un fichier vidéo</translation>
    </message>
    <message>
        <source>it is a socket, not a video file</source>
        <translation>c’est un socket, pas un fichier vidéo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read (permission denied)</source>
        <translation>il ne peut pas être lu (permission refusée)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is a text file, not a video</source>
        <translation>c’est un fichier texte, pas une vidéo</translation>
    </message>
    <message>
        <source>its format cannot be read as a video (%1)</source>
        <translation>son format ne peut pas être lu comme une vidéo (%1)</translation>
    </message>
    <message>
        <source>its streams cannot be read (%1)</source>
        <translation>ses flux ne peuvent pas être lus (%1)</translation>
    </message>
    <message>
        <source>it has no video stream</source>
        <translation>il n’a pas de flux vidéo</translation>
    </message>
    <message>
        <source>its video (%1) cannot be decoded</source>
        <translation>sa vidéo (%1) ne peut pas être décodée</translation>
    </message>
    <message>
        <source>its video has no picture size</source>
        <translation>sa vidéo n’a pas de taille d’image</translation>
    </message>
    <message>
        <source>its play time is unknown</source>
        <translation>sa durée est inconnue</translation>
    </message>
    <message>
        <source>The menu background %1 does not exist.</source>
        <translation>Le fond de menu %1 n’existe pas.</translation>
    </message>
    <message>
        <source>The menu background %1 is not a regular file.</source>
        <translation>Le fond de menu %1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The menu background %1 cannot be read (permission denied).</source>
        <translation>Le fond de menu %1 ne peut pas être lu (permission refusée).</translation>
    </message>
    <message>
        <source>The menu background %1 is larger than 64 MB.</source>
        <translation>Le fond de menu %1 dépasse 64 Mo.</translation>
    </message>
    <message>
        <source>The menu background %1 is not a picture: its content is none of %2.</source>
        <translation>Le fond de menu %1 n’est pas une image : son contenu n’est aucun des types %2.</translation>
    </message>
    <message>
        <source>The menu background %1 is a damaged %2 picture: %3.</source>
        <translation>Le fond de menu %1 est une image %2 endommagée : %3.</translation>
    </message>
    <message>
        <source>Cannot use %1: %2.</source>
        <translation>%1 est inutilisable : %2.</translation>
    </message>
    <message>
        <source>its name contains &apos;*&apos;, which Quorva cannot pass to its encoder; rename the file and add it again</source>
        <translation>son nom contient « * », que Quorva ne peut pas transmettre à son encodeur ; renommez le fichier puis ajoutez-le à nouveau</translation>
    </message>
    <message>
        <source>its path is too long for Quorva&apos;s encoder</source>
        <translation>son chemin est trop long pour l’encodeur de Quorva</translation>
    </message>
    <message>
        <source>Quorva cannot make a temporary file to read it in (%1)</source>
        <translation>Quorva ne peut pas créer de fichier temporaire pour le lire (%1)</translation>
    </message>
    <message>
        <source>the encoding engine cannot read it</source>
        <translation>le moteur d’encodage ne peut pas le lire</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>il n’a pas pu être lu (%1)</translation>
    </message>
</context>
<context>
    <name>MediaItem</name>
    <message>
        <source>Audio: no sound</source>
        <translation>Audio : pas de son</translation>
    </message>
    <message>
        <source>Audio: %1</source>
        <translation>Audio : %1</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>Video: %1</source>
        <translation>Vidéo : %1</translation>
    </message>
    <message>
        <source>Play time: %1</source>
        <translation>Durée : %1</translation>
    </message>
</context>
<context>
    <name>MenuStage</name>
    <message>
        <source>Can&apos;t prepare the menu background %1: %2</source>
        <translation>Impossible de préparer le fond de menu %1 : %2</translation>
    </message>
    <message>
        <source>Can&apos;t prepare the menu background %1</source>
        <translation>Impossible de préparer le fond de menu %1</translation>
    </message>
    <message>
        <source>The temporary folder&apos;s path is too long for the menu pictures.</source>
        <translation>Le chemin du dossier temporaire est trop long pour les images des menus.</translation>
    </message>
    <message>
        <source>Can&apos;t draw the menu&apos;s back button on %1</source>
        <translation>Impossible de dessiner le bouton de retour du menu sur %1</translation>
    </message>
    <message>
        <source>Can&apos;t make a temporary file: %1</source>
        <translation>Impossible de créer un fichier temporaire : %1</translation>
    </message>
    <message>
        <source>Can&apos;t read the menu picture %1</source>
        <translation>Impossible de lire l’image de menu %1</translation>
    </message>
    <message>
        <source>DVD menu background only support BMP/JPG file!</source>
        <translation>Le fond de menu DVD n’accepte que les fichiers BMP/JPG !</translation>
    </message>
    <message>
        <source>The menu picture path is too long: %1</source>
        <translation>Le chemin de l’image de menu est trop long : %1</translation>
    </message>
    <message>
        <source>Can&apos;t encode the menu picture %1: %2</source>
        <translation>Impossible d’encoder l’image de menu %1 : %2</translation>
    </message>
    <message>
        <source>Can&apos;t write the menu button description: %1</source>
        <translation>Impossible d’écrire la description des boutons du menu : %1</translation>
    </message>
    <message>
        <source>Can&apos;t add the menu buttons: %1</source>
        <translation>Impossible d’ajouter les boutons du menu : %1</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>l’image n’a pas pu être dessinée</translation>
    </message>
    <message>
        <source>Can&apos;t write the root menu picture %1: %2</source>
        <translation>Impossible d’écrire l’image du menu principal %1 : %2</translation>
    </message>
    <message>
        <source>Can&apos;t read the title menu picture %1</source>
        <translation>Impossible de lire l’image du menu des titres %1</translation>
    </message>
    <message>
        <source>Can&apos;t write the title menu picture %1: %2</source>
        <translation>Impossible d’écrire l’image du menu des titres %1 : %2</translation>
    </message>
    <message>
        <source>The menus could not be made: %1</source>
        <translation>Les menus n’ont pas pu être créés : %1</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the picture is empty</source>
        <translation>l’image est vide</translation>
    </message>
</context>
<context>
    <name>ProbeProgressDlg</name>
    <message>
        <source>Add video</source>
        <translation>Ajouter des vidéos</translation>
    </message>
    <message>
        <source>Reading %1 (%2 of %3)...</source>
        <translation>Lecture de %1 (%2 sur %3)...</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>The project %1 cannot be opened: %2</source>
        <translation>Le projet %1 ne peut pas être ouvert : %2</translation>
    </message>
    <message>
        <source>it is not a file.</source>
        <translation>ce n’est pas un fichier.</translation>
    </message>
    <message>
        <source>the file does not exist.</source>
        <translation>le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>it is not an XML file (%1 at byte %2).</source>
        <translation>ce n’est pas un fichier XML (%1 à l’octet %2).</translation>
    </message>
    <message>
        <source>it is XML, but not a Quorva project.</source>
        <translation>c’est du XML, mais pas un projet Quorva.</translation>
    </message>
    <message>
        <source>The project %1 was saved by a later version of Quorva (project format %2, this version reads format %3): what this version does not know of it is left out.</source>
        <translation>Le projet %1 a été enregistré par une version plus récente de Quorva (format de projet %2, cette version lit le format %3) : ce que cette version n’en connaît pas est ignoré.</translation>
    </message>
    <message>
        <source>The project cannot be saved as %1: %2</source>
        <translation>Le projet ne peut pas être enregistré sous %1 : %2</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
</context>
<context>
    <name>Quality</name>
    <message>
        <source>Best (8.0 Mb/S), slow of convert speed</source>
        <translation>Optimale (8,0 Mbit/s), conversion lente</translation>
    </message>
    <message>
        <source>Best (5.0 Mb/S), slow of convert speed</source>
        <translation>Optimale (5,0 Mbit/s), conversion lente</translation>
    </message>
    <message>
        <source>Good (3.3 Mb/S), normal speed</source>
        <translation>Bonne (3,3 Mbit/s), vitesse normale</translation>
    </message>
    <message>
        <source>Normal (2.5 Mb/S), fast speed</source>
        <translation>Normale (2,5 Mbit/s), rapide</translation>
    </message>
    <message>
        <source>Poor (1.7 Mb/S), very fast speed</source>
        <translation>Faible (1,7 Mbit/s), très rapide</translation>
    </message>
    <message>
        <source>Fit to disc</source>
        <translation>Ajuster au disque</translation>
    </message>
</context>
<context>
    <name>QuorvaApp</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>GetModuleFileName fail!</source>
        <translation>GetModuleFileName a échoué !</translation>
    </message>
    <message>
        <source>Parse p0.data error, please re-install!</source>
        <translation>Erreur de lecture de p0.data, veuillez réinstaller !</translation>
    </message>
    <message>
        <source>Parse options error, please re-install!</source>
        <translation>Erreur de lecture des options, veuillez réinstaller !</translation>
    </message>
    <message>
        <source>CXMLAccess::SaveXMLNode options failed!</source>
        <translation>CXMLAccess::SaveXMLNode des options a échoué !</translation>
    </message>
    <message>
        <source>Can&apos;t remove temp folder!</source>
        <translation>Impossible de supprimer le dossier temporaire !</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Can&apos;t write config file&lt;%1&gt; error, please re-install!</source>
        <translation>Erreur d’écriture du fichier de configuration &lt;%1&gt;, veuillez réinstaller !</translation>
    </message>
    <message>
        <source>The key file %1 cannot be read: %2.</source>
        <translation>Le fichier de clé %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Can&apos;t read config file&lt;%1&gt;, please re-install!!</source>
        <translation>Impossible de lire le fichier de configuration &lt;%1&gt;, veuillez réinstaller !!</translation>
    </message>
    <message>
        <source>Can&apos;t read config file&lt;%1&gt; error, please re-install!</source>
        <translation>Erreur de lecture du fichier de configuration &lt;%1&gt;, veuillez réinstaller !</translation>
    </message>
    <message>
        <source>Can&apos;t read config file&lt;%1&gt; error, please re-install!!</source>
        <translation>Erreur de lecture du fichier de configuration &lt;%1&gt;, veuillez réinstaller !!</translation>
    </message>
    <message>
        <source>The settings file %1 does not parse: %2 at byte %3.</source>
        <translation>Le fichier de réglages %1 ne peut pas être analysé : %2 à l’octet %3.</translation>
    </message>
    <message>
        <source>The settings file %1 has no &quot;body&quot; element.</source>
        <translation>Le fichier de réglages %1 n’a pas d’élément « body ».</translation>
    </message>
    <message>
        <source>The settings file %1 holds text, a comment or another node that is no element.</source>
        <translation>Le fichier de réglages %1 contient du texte, un commentaire ou un autre nœud qui n’est pas un élément.</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: the document could not be made (an element or attribute without a name).</source>
        <translation>Impossible d’écrire %1 : le document n’a pas pu être créé (un élément ou un attribut sans nom).</translation>
    </message>
    <message>
        <source>Can&apos;t write %1: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>The file cannot be written in its folder.</source>
        <translation>Le fichier ne peut pas être écrit dans son dossier.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>%1 is running.</source>
        <translation>%1 est déjà lancé.</translation>
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
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it does not consist of 2048-byte packs</source>
        <translation>il n’est pas fait de paquets de 2048 octets</translation>
    </message>
    <message>
        <source>it does not consist of 2048-byte MPEG-2 packs</source>
        <translation>il n’est pas fait de paquets MPEG-2 de 2048 octets</translation>
    </message>
    <message>
        <source>its packs announce %1, more than a DVD allows</source>
        <translation>ses paquets annoncent %1, plus que ne le permet un DVD</translation>
    </message>
    <message>
        <source>it has no DVD navigation packs</source>
        <translation>il n’a pas de paquets de navigation DVD</translation>
    </message>
    <message>
        <source>its video is %1, not MPEG-2</source>
        <translation>sa vidéo est en %1, pas en MPEG-2</translation>
    </message>
    <message>
        <source>its MPEG-2 video is not of the Main profile</source>
        <translation>sa vidéo MPEG-2 n’est pas du profil Main</translation>
    </message>
    <message>
        <source>its video is not 4:2:0</source>
        <translation>sa vidéo n’est pas en 4:2:0</translation>
    </message>
    <message>
        <source>its frame size %1x%2 differs from the disc&apos;s</source>
        <translation>sa taille d’image %1x%2 diffère de celle du disque</translation>
    </message>
    <message>
        <source>its frame rate differs from the disc&apos;s</source>
        <translation>sa fréquence d’images diffère de celle du disque</translation>
    </message>
    <message>
        <source>its display aspect differs from the disc&apos;s %1:%2</source>
        <translation>son format d’affichage diffère de celui du disque, %1:%2</translation>
    </message>
    <message>
        <source>its video declares %1, more than a DVD allows</source>
        <translation>sa vidéo déclare %1, plus que ne le permet un DVD</translation>
    </message>
    <message>
        <source>its sound is not 48 kHz stereo AC-3 like the disc&apos;s other titles</source>
        <translation>son audio n’est pas en AC-3 stéréo 48 kHz comme les autres titres du disque</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>its video has no timestamps</source>
        <translation>sa vidéo n’a pas d’horodatage</translation>
    </message>
    <message>
        <source>its video averages %1, more than a DVD allows</source>
        <translation>sa vidéo atteint en moyenne %1, plus que ne le permet un DVD</translation>
    </message>
    <message>
        <source>its video reaches %1, more than a DVD allows</source>
        <translation>sa vidéo atteint %1, plus que ne le permet un DVD</translation>
    </message>
    <message>
        <source>it averages %1, more than a DVD allows</source>
        <translation>il atteint en moyenne %1, plus que ne le permet un DVD</translation>
    </message>
    <message>
        <source>its picture groups hold up to %1 pictures, more than the %2 a DVD navigation unit takes</source>
        <translation>ses groupes d’images comptent jusqu’à %1 images, plus que les %2 qu’accepte une unité de navigation DVD</translation>
    </message>
    <message>
        <source>it is not a .vob file</source>
        <translation>ce n’est pas un fichier .vob</translation>
    </message>
    <message>
        <source>it is not an MPEG program stream</source>
        <translation>ce n’est pas un flux programme MPEG</translation>
    </message>
    <message>
        <source>it has more than one video stream</source>
        <translation>il a plus d’un flux vidéo</translation>
    </message>
    <message>
        <source>it carries streams other than one picture and one sound</source>
        <translation>il contient d’autres flux qu’une image et un son</translation>
    </message>
    <message>
        <source>it has no video stream</source>
        <translation>il n’a pas de flux vidéo</translation>
    </message>
    <message>
        <source>it has no sound</source>
        <translation>il n’a pas de son</translation>
    </message>
    <message>
        <source>its sound streams are not numbered as a disc&apos;s</source>
        <translation>ses flux sonores ne sont pas numérotés comme ceux d’un disque</translation>
    </message>
</context>
<context>
    <name>SubtitleCues</name>
    <message>
        <source>The subtitle file %1 can&apos;t be read: %2</source>
        <translation>Le fichier de sous-titres %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The subtitle stream %1 of %2 can&apos;t be read: %3</source>
        <translation>Le flux de sous-titres %1 de %2 ne peut pas être lu : %3</translation>
    </message>
    <message>
        <source>it is too large for a subtitle file.</source>
        <translation>il est trop grand pour un fichier de sous-titres.</translation>
    </message>
    <message>
        <source>its text is neither UTF-8 nor in a code page that can be told.</source>
        <translation>son texte n’est ni en UTF-8 ni dans une page de codes reconnaissable.</translation>
    </message>
    <message>
        <source>it holds no subtitles.</source>
        <translation>il ne contient aucun sous-titre.</translation>
    </message>
    <message>
        <source>its subtitle format is not known.</source>
        <translation>son format de sous-titres est inconnu.</translation>
    </message>
    <message>
        <source>out of memory.</source>
        <translation>mémoire insuffisante.</translation>
    </message>
    <message>
        <source>a subtitle in it can&apos;t be decoded (%1).</source>
        <translation>un de ses sous-titres ne peut pas être décodé (%1).</translation>
    </message>
</context>
<context>
    <name>SubtitleStage</name>
    <message>
        <source>Can&apos;t make a temporary file: %1</source>
        <translation>Impossible de créer un fichier temporaire : %1</translation>
    </message>
    <message>
        <source>Can&apos;t make a temporary folder: %1</source>
        <translation>Impossible de créer un dossier temporaire : %1</translation>
    </message>
    <message>
        <source>no fonts are available to draw subtitles with.</source>
        <translation>aucune police n’est disponible pour dessiner les sous-titres.</translation>
    </message>
    <message>
        <source>Can&apos;t write the subtitle picture %1.</source>
        <translation>Impossible d’écrire l’image de sous-titre %1.</translation>
    </message>
    <message>
        <source>Can&apos;t write the subtitle description: %1</source>
        <translation>Impossible d’écrire la description des sous-titres : %1</translation>
    </message>
    <message>
        <source>Adding the subtitles to %1 failed: %2</source>
        <translation>L’ajout des sous-titres à %1 a échoué : %2</translation>
    </message>
    <message>
        <source>can&apos;t write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>another run of the program is writing it.</source>
        <translation>une autre exécution du programme est en train de l’écrire.</translation>
    </message>
    <message>
        <source>Adding subtitles to %1 ...</source>
        <translation>Ajout des sous-titres à %1 ...</translation>
    </message>
    <message>
        <source>none of its subtitles shows while the video plays.</source>
        <translation>aucun de ses sous-titres ne s’affiche pendant la lecture de la vidéo.</translation>
    </message>
    <message>
        <source>The subtitles %1 are left out: %2</source>
        <translation>Les sous-titres %1 sont ignorés : %2</translation>
    </message>
    <message>
        <source>spumux failed.</source>
        <translation>spumux a échoué.</translation>
    </message>
</context>
<context>
    <name>TempFiles</name>
    <message>
        <source>Can&apos;t create temp directory!</source>
        <translation>Impossible de créer le dossier temporaire !</translation>
    </message>
    <message>
        <source>GetTempFileName return 0</source>
        <translation>GetTempFileName a renvoyé 0</translation>
    </message>
</context>
<context>
    <name>UserInterface</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Installed file not found.</source>
        <translation>Un fichier installé est introuvable.</translation>
    </message>
    <message>
        <source>Unable to Load skin file.</source>
        <translation>Impossible de charger le fichier d’habillage.</translation>
    </message>
    <message>
        <source>Unable to set skin.</source>
        <translation>Impossible d’appliquer l’habillage.</translation>
    </message>
</context>
<context>
    <name>quorva</name>
    <message>
        <source>quorva: the window needs a display (none is set: DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM).
quorva: to make or burn a DVD without one, use quorva-cli (see quorva-cli --help).
</source>
        <translation>quorva : la fenêtre a besoin d’un affichage (aucun n’est défini : DISPLAY, WAYLAND_DISPLAY ou QT_QPA_PLATFORM).
quorva : pour créer ou graver un DVD sans affichage, utilisez quorva-cli (voir quorva-cli --help).
</translation>
    </message>
</context>
<context>
    <name>quorva-cli</name>
    <message>
        <source>Going on (--force).</source>
        <translation>On continue (--force).</translation>
    </message>
    <message>
        <source>Use --force to make it anyway.</source>
        <translation>Utilisez --force pour le créer quand même.</translation>
    </message>
    <message>
        <source>aborted.</source>
        <translation>interrompu.</translation>
    </message>
    <message>
        <source>no device.</source>
        <translation>aucun périphérique.</translation>
    </message>
    <message>
        <source>a DVD folder has no volume label: --label is checked on disc images and drives only.</source>
        <translation>un dossier DVD n’a pas de nom de volume : --label n’est vérifié que sur les images disque et les graveurs.</translation>
    </message>
    <message>
        <source>(no drive: writes a disc image file, as --iso does)</source>
        <translation>(pas de graveur : écrit un fichier image disque, comme --iso)</translation>
    </message>
    <message>
        <source>(can burn DVDs)</source>
        <translation>(peut graver des DVD)</translation>
    </message>
    <message>
        <source>No command given.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>--aspect takes 16:9 or 4:3.</source>
        <translation>--aspect accepte 16:9 ou 4:3.</translation>
    </message>
    <message>
        <source>--quality takes a level from 0 (best) to 4, or fit.</source>
        <translation>--quality accepte un niveau de 0 (le meilleur) à 4, ou fit.</translation>
    </message>
    <message>
        <source>--disc takes dvd5 or dvd9.</source>
        <translation>--disc accepte dvd5 ou dvd9.</translation>
    </message>
    <message>
        <source>--device takes a device number (see &quot;quorva-cli devices&quot;).</source>
        <translation>--device accepte un numéro de périphérique (voir « quorva-cli devices »).</translation>
    </message>
    <message>
        <source>--jobs takes a number of conversions from 1 to 64.</source>
        <translation>--jobs accepte un nombre de conversions simultanées de 1 à 64.</translation>
    </message>
    <message>
        <source>--chapters takes minutes from 0 to 999 (0: one chapter per video).</source>
        <translation>--chapters accepte des minutes de 0 à 999 (0 : un chapitre par vidéo).</translation>
    </message>
    <message>
        <source>--working-folder needs a folder; an empty name is none.</source>
        <translation>--working-folder demande un dossier ; un nom vide n’en est pas un.</translation>
    </message>
    <message>
        <source>Give either --device or --iso, not both.</source>
        <translation>Indiquez --device ou --iso, pas les deux.</translation>
    </message>
    <message>
        <source>No video given.</source>
        <translation>Aucune vidéo indiquée.</translation>
    </message>
    <message>
        <source>Give exactly one DVD folder to burn.</source>
        <translation>Indiquez exactement un dossier DVD à graver.</translation>
    </message>
    <message>
        <source>Give exactly one DVD folder or disc image to check.</source>
        <translation>Indiquez exactement un dossier DVD ou une image disque à vérifier.</translation>
    </message>
    <message>
        <source>&quot;devices&quot; takes no arguments.</source>
        <translation>« devices » n’accepte pas d’arguments.</translation>
    </message>
    <message>
        <source>[Enter = OK, c = cancel]</source>
        <translation>[Entrée = OK, c = annuler]</translation>
    </message>
    <message>
        <source>cannot find the program folder.</source>
        <translation>le dossier du programme est introuvable.</translation>
    </message>
    <message>
        <source>could not save the options file.</source>
        <translation>le fichier d’options n’a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>no such video file: %1</source>
        <translation>fichier vidéo introuvable : %1</translation>
    </message>
    <message>
        <source>Added %1 (%2)</source>
        <translation>Ajouté : %1 (%2)</translation>
    </message>
    <message>
        <source>Estimated size: %1 MB of %2 MB on a %3 disc (video at %4 kbit/s)</source>
        <translation>Taille estimée : %1 Mo sur %2 Mo d’un disque %3 (vidéo à %4 kbit/s)</translation>
    </message>
    <message>
        <source>A %1 disc should not greater than %2 MB.</source>
        <translation>Un disque %1 ne devrait pas dépasser %2 Mo.</translation>
    </message>
    <message>
        <source>%1 is not a Quorva project and is left as it is; use --force to replace it.</source>
        <translation>%1 n’est pas un projet Quorva et reste tel quel ; utilisez --force pour le remplacer.</translation>
    </message>
    <message>
        <source>the project cannot be saved as %1: it is not a regular file.</source>
        <translation>le projet ne peut pas être enregistré sous %1 : ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>the project %1 has no video.</source>
        <translation>le projet %1 ne contient aucune vidéo.</translation>
    </message>
    <message>
        <source>Saved project %1</source>
        <translation>Projet enregistré : %1</translation>
    </message>
    <message>
        <source>%1 is not an authored DVD folder (no VIDEO_TS/VTS_01_0.IFO).</source>
        <translation>%1 n’est pas un dossier DVD terminé (pas de VIDEO_TS/VTS_01_0.IFO).</translation>
    </message>
    <message>
        <source>no such DVD folder or disc image: %1</source>
        <translation>dossier DVD ou image disque introuvable : %1</translation>
    </message>
    <message>
        <source>Disc check of %1:</source>
        <translation>Vérification du disque %1 :</translation>
    </message>
    <message>
        <source>Unknown command &quot;%1&quot;.</source>
        <translation>Commande inconnue « %1 ».</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <source>%1 does not apply to &quot;%2&quot;.</source>
        <translation>%1 ne s’applique pas à « %2 ».</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Option inconnue %1.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>There is no device %1 (%2 devices; see &quot;quorva-cli devices&quot;).</source>
        <translation>Il n’y a pas de périphérique %1 (%2 périphériques ; voir « quorva-cli devices »).</translation>
    </message>
    <message>
        <source>%1 of %2  %3x  left %4</source>
        <translation>%1 sur %2  %3x  reste %4</translation>
    </message>
    <message>
        <source>--speed takes a DVD speed from 1 to %1, or 0 for the drive&apos;s best.</source>
        <translation>--speed accepte une vitesse DVD de 1 à %1, ou 0 pour le mieux que le graveur puisse faire.</translation>
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
        <translation>Utilisation :
  quorva-cli make [--pal|--ntsc] [--aspect 16:9|4:3] [--quality 0-4|fit] [--disc dvd5|dvd9]
                  [--stretch] [--label TEXTE] [--title TEXTE] [--device N | --iso] [--speed N]
                  [--working-folder DOSSIER] [--jobs N] [--chapters MIN]
                  [--after-each next|menu] [--force] [--yes] [--no-check]
                  [--save-project FICHIER] [--audio all|first|LANGUE,...]
                  [--subtitles all|none|LANGUE,...] [--subtitle-default LANGUE]
                  [--skip-bad-subtitles] [--verbose] VIDÉO...|PROJET
      Convertit les vidéos, crée les menus et en fait un dossier DVD ; avec --iso ou
      --device, écrit aussi une image disque ou grave dans le graveur N. --quality fit
      choisit le débit qui remplit le disque ; --stretch remplit l&apos;image au lieu de
      garder les proportions de chaque vidéo avec des bandes noires. --title affiche
      TEXTE dans le menu des titres (par défaut : rien, ou le nom du projet). --jobs N
      convertit jusqu&apos;à N vidéos à la fois (par défaut : autant que les cœurs et la
      mémoire le permettent ; 1 : l&apos;une après l&apos;autre). --chapters MIN place un
      chapitre toutes les MIN minutes dans chaque vidéo (0 : un chapitre par vidéo).
      --after-each menu termine chaque vidéo dans le menu principal, son bouton en
      surbrillance ; next (par défaut) lit la vidéo suivante.
      --audio choisit les pistes son de chaque vidéo : toutes (par défaut), la
      première, ou celles des langues données (en,fr ; une vidéo qui n&apos;en a aucune
      garde sa première).
      Les sous-titres à côté d&apos;une vidéo (NOM.srt, NOM.LANGUE.srt, .ass, .ssa, .vtt) et
      dans celle-ci deviennent ceux du disque ; --subtitles les garde tous (par
      défaut), aucun, ou ceux des langues données (en,fr). Aucun n&apos;est affiché avant
      d&apos;être choisi sur le lecteur, sauf si --subtitle-default LANGUE affiche cette
      langue dès le début. Un fichier de sous-titres illisible arrête l&apos;exécution,
      sauf si --skip-bad-subtitles le laisse de côté.
      Un fichier de projet (.quorva) fournit les vidéos et leurs réglages ; les
      options données ici l&apos;emportent. --save-project enregistre en plus les vidéos
      et les réglages de cette exécution comme projet (&quot;.quorva&quot; est ajouté à un nom
      qui finit autrement) ; il ne remplace qu&apos;un projet, ou avec --force tout
      fichier ordinaire. --verbose (-v) affiche aussi les messages propres aux
      bibliothèques FFmpeg sur les vidéos.
  quorva-cli burn [--device N | --iso] [--speed N] [--label TEXTE] [--yes] [--no-check] DOSSIER
      Grave un dossier DVD terminé (qui contient VIDEO_TS/VTS_01_0.IFO).
      Les deux vérifient le disque comme un lecteur l&apos;utiliserait avant la gravure,
      puis relisent et vérifient ce qui a été écrit, sauf avec --no-check. --speed N
      grave à N fois la vitesse DVD (1 à 24 ; 0, par défaut : le mieux que le
      graveur puisse faire).
  quorva-cli check [--label TEXTE] DOSSIER|IMAGE
      Vérifie un dossier DVD ou une image disque comme un lecteur l&apos;utiliserait ;
      se termine avec 0 si toutes les vérifications sont réussies, sinon avec 1.
  quorva-cli devices
      Liste les graveurs.
  quorva-cli --help | --version

Les options données ici ne valent que pour cette exécution ; le fichier d&apos;options
du programme n&apos;est pas modifié (sauf le numéro courant qui nomme les vidéos converties).
</translation>
    </message>
</context>
</TS>
