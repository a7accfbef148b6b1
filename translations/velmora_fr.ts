<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>done</source>
        <extracomment>Spoken after a build stage&apos;s name (&quot;Compile the game: done&quot;): the stage is over.</extracomment>
        <translation>terminé</translation>
    </message>
    <message>
        <source>in progress</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage is running now.</extracomment>
        <translation>en cours</translation>
    </message>
    <message>
        <source>not started</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage has not begun yet.</extracomment>
        <translation>à venir</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read aloud as one line: %1 is what a row or key names, %2 its state or meaning (&quot;Python 3: Ready&quot;, &quot;Compile the game: done&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The ⌘ key as a screen reader names it, in the system&apos;s words. &quot;Command comma&quot; starts with the same word.</extracomment>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>The ⌥ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Option</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The ⇧ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Maj</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Read for the dash of a range of keys (&quot;1–4&quot;: &quot;1 to 4&quot;); keep the spaces.</extracomment>
        <translation> à </translation>
    </message>
    <message>
        <source>Command comma</source>
        <extracomment>The key combination ⌘ , (the settings shortcut) read aloud.</extracomment>
        <translation>Commande virgule</translation>
    </message>
</context>
<context>
    <name>BuildAdvice</name>
    <message>
        <source>Something went wrong while building the app.</source>
        <translation>Un problème est survenu lors de la création de l’app.</translation>
    </message>
    <message>
        <source>That installer doesn&apos;t contain the SimCity 3000 Unlimited game files. Use the GOG offline backup installer for SimCity 3000 Unlimited.</source>
        <translation>Cet installateur ne contient pas les fichiers de SimCity 3000 Unlimited. Utilisez l’installateur de sauvegarde hors ligne GOG du jeu.</translation>
    </message>
    <message>
        <source>The game files in that installer aren&apos;t version 2.0.949(a), which is the release this project can build. Update it from GOG and try again.</source>
        <translation>Les fichiers de cet installateur ne sont pas en version 2.0.949(a), la seule que ce projet sait créer. Mettez-le à jour depuis GOG et réessayez.</translation>
    </message>
    <message>
        <source>The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then reopen this installer.</source>
        <translation>Les Command Line Tools de Xcode sont obsolètes ou incomplets. Exécutez xcode-select --install, puis rouvrez cet installateur.</translation>
    </message>
    <message>
        <source>Your disk is full. Free about %1, then build again.</source>
        <translation>Votre disque est plein. Libérez environ %1, puis relancez la création.</translation>
    </message>
</context>
<context>
    <name>BuildNotification</name>
    <message>
        <source>The build finished. Click to open the installer.</source>
        <translation>La création est terminée. Cliquez pour ouvrir l’installateur.</translation>
    </message>
    <message>
        <source>Click to see what went wrong.</source>
        <translation>Cliquez pour voir ce qui s’est passé.</translation>
    </message>
    <message>
        <source>The build was cancelled</source>
        <translation>La création a été annulée</translation>
    </message>
    <message>
        <source>Click to open the installer.</source>
        <translation>Cliquez pour ouvrir l’installateur.</translation>
    </message>
    <message>
        <source>Velmora 3000 is ready</source>
        <translation>Velmora 3000 est prêt</translation>
    </message>
    <message>
        <source>The build didn&apos;t finish</source>
        <translation>La création a échoué</translation>
    </message>
</context>
<context>
    <name>BuildStages</name>
    <message>
        <source>Check game installer</source>
        <translation>Vérifier l’installateur</translation>
    </message>
    <message>
        <source>Unpack game files</source>
        <translation>Extraire les fichiers</translation>
    </message>
    <message>
        <source>Prepare native libraries</source>
        <translation>Préparer les bibliothèques</translation>
    </message>
    <message>
        <source>Compile the game</source>
        <translation>Compiler le jeu</translation>
    </message>
    <message>
        <source>Package the app</source>
        <translation>Assembler l’app</translation>
    </message>
    <message>
        <source>Sign for this Mac</source>
        <translation>Signer pour ce Mac</translation>
    </message>
    <message>
        <source>Checking your game installer and the build tools.</source>
        <translation>Vérification de votre installateur et des outils de compilation.</translation>
    </message>
    <message>
        <source>Unpacking the game files from your GOG installer.</source>
        <translation>Extraction des fichiers du jeu depuis votre installateur GOG.</translation>
    </message>
    <message>
        <source>Preparing the native libraries and lifted code.</source>
        <translation>Préparation des bibliothèques natives et du code converti.</translation>
    </message>
    <message>
        <source>Compiling the native Mac app. This usually takes about 3 minutes.</source>
        <translation>Compilation de l’app Mac native. Cela prend environ 3&#xa0;minutes.</translation>
    </message>
    <message>
        <source>Packaging the app and its resources.</source>
        <translation>Assemblage de l’app et de ses ressources.</translation>
    </message>
    <message>
        <source>Signing the app for this Mac.</source>
        <translation>Signature de l’app pour ce Mac.</translation>
    </message>
</context>
<context>
    <name>BuildTimings</name>
    <message>
        <source>less than a minute left</source>
        <translation>moins d’une minute restante</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>environ %n&#xa0;min restante</numerusform>
            <numerusform>environ %n&#xa0;min restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Installer Velmora 3000</translation>
    </message>
    <message>
        <source>Build Velmora 3000 from your own GOG installer</source>
        <translation>Créer Velmora 3000 à partir de votre installateur GOG</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>Only %1 free on this disk; the build needs about %2. Free some space, then choose the installer again.</source>
        <translation>Seulement %1 libres sur ce disque&#xa0;; la création demande environ %2. Libérez de l’espace, puis choisissez de nouveau l’installateur.</translation>
    </message>
    <message>
        <source>Only %1 free on that disk; the app needs about %2. Free some space, then choose Move to Applications again.</source>
        <translation>Seulement %1 libres sur ce disque&#xa0;; l’app demande environ %2. Libérez de l’espace, puis cliquez de nouveau sur Déplacer vers Applications.</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Installer Velmora 3000</translation>
    </message>
    <message>
        <source>Windows executable</source>
        <translation>Exécutable Windows</translation>
    </message>
    <message>
        <source>Show in Finder asks Finder to put an alias of Applications beside the app, so you can drag the app into place.</source>
        <translation>Le bouton Voir dans le Finder demande au Finder de placer un alias du dossier Applications à côté de l’app, pour que vous puissiez y glisser l’app.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on your Desktop to build the game from it.</source>
        <translation>L’installateur lit l’installateur GOG que vous choisissez sur votre bureau pour en créer le jeu.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Documents folder to build the game from it.</source>
        <translation>L’installateur lit l’installateur GOG que vous choisissez dans votre dossier Documents pour en créer le jeu.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Downloads folder to build the game from it.</source>
        <translation>L’installateur lit l’installateur GOG que vous choisissez dans votre dossier Téléchargements pour en créer le jeu.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on an external drive to build the game from it.</source>
        <translation>L’installateur lit l’installateur GOG que vous choisissez sur un disque externe pour en créer le jeu.</translation>
    </message>
</context>
<context>
    <name>InstallerValidation</name>
    <message>
        <source>That file can&apos;t be read. Is it still on this Mac?</source>
        <translation>Impossible de lire ce fichier. Est-il toujours sur ce Mac&#xa0;?</translation>
    </message>
    <message>
        <source>That file is too small to be the GOG installer (it should be about 560 MB).</source>
        <translation>Ce fichier est trop petit pour être l’installateur GOG (il doit faire environ 560&#xa0;Mo).</translation>
    </message>
    <message>
        <source>That isn&apos;t a Windows installer (.exe) file.</source>
        <translation>Ce n’est pas un installateur Windows (.exe).</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like the GOG SimCity 3000 Unlimited installer. Look for setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.</source>
        <translation>Ce n’est apparemment pas l’installateur GOG de SimCity 3000 Unlimited. Cherchez setup_simcity_3000_unlimited_2.0.949(a)….exe dans votre bibliothèque GOG.</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>La vérification a été interrompue.</translation>
    </message>
    <message>
        <source>macOS doesn&apos;t let the installer read that file. Allow it in System Settings → Privacy &amp; Security → Files and Folders.</source>
        <translation>macOS empêche l’installateur de lire ce fichier. Autorisez-le dans Réglages Système → Confidentialité et sécurité → Fichiers et dossiers.</translation>
    </message>
    <message>
        <source>GOG 2.0.949(a) installer · %1 · ready to build</source>
        <translation>Installateur GOG 2.0.949(a) · %1 · prêt pour la création</translation>
    </message>
    <message>
        <source>%1 · this build is not the known GOG 2.0.949(a) one, so the game files are checked after extraction</source>
        <translation>%1 · ce n’est pas la version GOG 2.0.949(a) connue&#xa0;: fichiers du jeu vérifiés après extraction</translation>
    </message>
</context>
<context>
    <name>Installing</name>
    <message>
        <source>Copying the app failed. Is the disk full?</source>
        <translation>La copie de l’app a échoué. Le disque est-il plein&#xa0;?</translation>
    </message>
    <message>
        <source>The app was copied but couldn&apos;t be put in place.</source>
        <translation>L’app a été copiée, mais n’a pas pu être mise en place.</translation>
    </message>
    <message>
        <source>%1 already exists and wasn&apos;t made by this installer. Move or rename it first.</source>
        <translation>%1 existe déjà et ne vient pas de cet installateur. Déplacez ou renommez d’abord cet élément.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be replaced. Check its permissions.</source>
        <translation>Impossible de remplacer %1. Vérifiez ses permissions.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is read-only.</source>
        <translation>La copie de l’app a échoué&#xa0;: %1 est en lecture seule.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is not a folder.</source>
        <translation>La copie de l’app a échoué&#xa0;: %1 n’est pas un dossier.</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: opens the app&apos;s About panel; %1 is the app&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Services</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: the submenu of the system&apos;s services.</extracomment>
        <translation>Services</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides the app&apos;s windows (Command-H); %1 is the app&apos;s name.</extracomment>
        <translation>Masquer %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides every other app (Option-Command-H).</extracomment>
        <translation>Masquer les autres</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: shows the apps that were hidden.</extracomment>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: quits the app (Command-Q); %1 is the app&apos;s name.</extracomment>
        <translation>Quitter %1</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>That download hasn&apos;t finished yet. Wait for it, then try again.</source>
        <translation>Ce téléchargement n’est pas terminé. Attendez la fin, puis réessayez.</translation>
    </message>
    <message>
        <source>That&apos;s a Mac installer. This needs the Windows offline installer from GOG.</source>
        <translation>C’est un installateur Mac. Il faut l’installateur Windows hors ligne de GOG.</translation>
    </message>
    <message>
        <source>That&apos;s an archive. Open it and use the installer (.exe) inside.</source>
        <translation>C’est une archive. Ouvrez-la et utilisez l’installateur (.exe) qu’elle contient.</translation>
    </message>
    <message>
        <source>That&apos;s a data part of the installer. Use the .exe beside it.</source>
        <translation>C’est un fichier de données de l’installateur. Utilisez le .exe situé à côté.</translation>
    </message>
</context>
<context>
    <name>PageParts</name>
    <message>
        <source>%1, needs attention</source>
        <extracomment>Read aloud after a checklist row whose state is not good; %1 is the row as read.</extracomment>
        <translation>%1, action requise</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>The installer file changed after it was checked. Choose it again.</source>
        <translation>Le fichier de l’installateur a changé après sa vérification. Choisissez-le de nouveau.</translation>
    </message>
    <message>
        <source>Another build is already running.</source>
        <translation>Une autre création est déjà en cours.</translation>
    </message>
    <message>
        <source>The installer bundle is damaged (no source snapshot inside).</source>
        <translation>Le paquet de l’installateur est endommagé (il ne contient pas les sources).</translation>
    </message>
    <message>
        <source>Could not unpack the build sources into Application Support.</source>
        <translation>Impossible d’extraire les sources de compilation dans Application Support.</translation>
    </message>
    <message>
        <source>The build sources are not prepared.</source>
        <translation>Les sources de compilation ne sont pas prêtes.</translation>
    </message>
    <message>
        <source>Could not start the build.</source>
        <translation>Impossible de lancer la création.</translation>
    </message>
    <message>
        <source>Could not lock the folder %1 against another build.</source>
        <translation>Impossible de verrouiller le dossier %1 contre une autre création.</translation>
    </message>
    <message>
        <source>Could not create the output folder %1.</source>
        <translation>Impossible de créer le dossier de sortie %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe.</source>
        <translation>Impossible de créer un tube de communication.</translation>
    </message>
</context>
<context>
    <name>Prerequisites</name>
    <message>
        <source>Follow Apple&apos;s prompt, then choose Check again when it finishes.</source>
        <translation>Suivez les étapes d’Apple, puis cliquez sur Vérifier à nouveau.</translation>
    </message>
    <message>
        <source>Apple says the tools may already be installed or being installed. Choose Check again.</source>
        <translation>Selon Apple, les outils sont peut-être déjà installés, ou en train de l’être. Cliquez sur Vérifier à nouveau.</translation>
    </message>
    <message>
        <source>macOS could not open the installation. Run xcode-select --install in Terminal.</source>
        <translation>macOS n’a pas pu lancer l’installation. Exécutez xcode-select --install dans Terminal.</translation>
    </message>
    <message>
        <source>Accept Xcode&apos;s license first: open Xcode once, or run sudo xcodebuild -license accept.</source>
        <translation>Acceptez la licence de Xcode : ouvrez Xcode une fois ou lancez sudo xcodebuild -license accept.</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Could not launch %1: %2.</source>
        <translation>Impossible de lancer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The process was already launched.</source>
        <translation>Le processus a déjà été lancé.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Build cancelled. You can try again.</source>
        <translation>Création annulée. Vous pouvez réessayer.</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>Vérification de %1…</translation>
    </message>
</context>
<context>
    <name>Sizes</name>
    <message>
        <source>GB</source>
        <extracomment>The unit of a size in 2^30 bytes, after its figure (&quot;30.0 GB&quot;): the language&apos;s own symbol.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>MB</source>
        <extracomment>The unit of a size in 2^20 bytes, after its figure (&quot;650 MB&quot;): the language&apos;s own symbol.</extracomment>
        <translation>Mo</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Building Velmora 3000</source>
        <translation>Création de Velmora 3000</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>That doesn&apos;t look like the GOG offline installer.</source>
        <translation>Ce n’est apparemment pas l’installateur hors ligne GOG.</translation>
    </message>
</context>
<context>
    <name>vlmr::BuildPage</name>
    <message>
        <source>Stage %1 of 6</source>
        <extracomment>Which of the build&apos;s six stages runs now; %1 is its number.</extracomment>
        <translation>Étape %1 sur 6</translation>
    </message>
    <message>
        <source>Building Velmora 3000…</source>
        <translation>Création de Velmora 3000…</translation>
    </message>
    <message>
        <source>Build details</source>
        <translation>Détails de la création</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>A small button beside &quot;Build details&quot;: hides the build log below it. Keep it short.</extracomment>
        <translation>Replier</translation>
    </message>
    <message>
        <source>You can keep this window open.</source>
        <translation>Vous pouvez laisser cette fenêtre ouverte.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>A small button beside &quot;Build details&quot;: shows the build log below it again. Keep it short.</extracomment>
        <translation>Déplier</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>%1 … [a line of %2, cut here; the installer log has all of it]</source>
        <translation>%1 … [une ligne de %2, coupée ici&#xa0;; le journal la contient en entier]</translation>
    </message>
</context>
<context>
    <name>vlmr::DBusNotificationPoster</name>
    <message>
        <source>Show</source>
        <extracomment>The button of a desktop notification about the build: brings the installer&apos;s window to the front.</extracomment>
        <translation>Afficher</translation>
    </message>
</context>
<context>
    <name>vlmr::DonePage</name>
    <message>
        <source>⌘ Return</source>
        <extracomment>A key cap: the Command key and the Return key, pressed together. Keep &quot;⌘&quot; and name Return as the system&apos;s keyboard menus do.</extracomment>
        <translation>⌘ Retour</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Mettre en pause ou reprendre</translation>
    </message>
    <message>
        <source>Move the camera</source>
        <translation>Déplacer la caméra</translation>
    </message>
    <message>
        <source>Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options</source>
        <translation>Réglages&#xa0;: résolution, échelle, texte, caméra, sauvegarde auto, touches de vitesse et options de simulation</translation>
    </message>
    <message>
        <source>Set game speed</source>
        <extracomment>What the keys 1 to 4 do in the game; an action, like the other shortcuts.</extracomment>
        <translation>Régler la vitesse du jeu</translation>
    </message>
    <message>
        <source>Turn the camera</source>
        <translation>Faire pivoter la caméra</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>Déplacer vers Applications</translation>
    </message>
    <message>
        <source>Moving…</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button while the app is being moved.</extracomment>
        <translation>Déplacement…</translation>
    </message>
    <message>
        <source>Moved ✓</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button once the app is there (the app is the subject).</extracomment>
        <translation>Déplacée ✓</translation>
    </message>
    <message>
        <source>Your city is built. Open it now, or keep it with your other apps.</source>
        <translation>Votre ville est prête. Ouvrez-la ou rangez-la avec vos autres apps.</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Voir dans le Finder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Before you play</source>
        <translation>Avant de jouer</translation>
    </message>
    <message>
        <source>If macOS blocks the game:</source>
        <translation>Si macOS bloque le jeu&#xa0;:</translation>
    </message>
    <message>
        <source>This app contains your copy of the game. Please keep it on this Mac and don&apos;t share or upload it. Your saves and settings stay in your user folder.</source>
        <translation>Cette app contient votre copie du jeu. Gardez-la sur ce Mac, sans la partager ni la mettre en ligne. Vos sauvegardes et réglages restent dans votre dossier de départ.</translation>
    </message>
    <message>
        <source> go to System Settings → Privacy &amp; Security → Open Anyway. You only need to do this once.</source>
        <translation> allez dans Réglages Système → Confidentialité et sécurité → Ouvrir quand même. À ne faire qu’une fois.</translation>
    </message>
</context>
<context>
    <name>vlmr::ErrorPage</name>
    <message>
        <source>Log: %1</source>
        <extracomment>Where the build log is; %1 is the path of its file.</extracomment>
        <translation>Journal&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copy log</source>
        <extracomment>A narrow button below &quot;Log: …&quot;: copies the whole build log to the clipboard.</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Show log in Finder</source>
        <extracomment>Opens a Finder window with the build log&apos;s file selected.</extracomment>
        <translation>Voir dans le Finder</translation>
    </message>
    <message>
        <source>Choose another installer</source>
        <translation>Choisir un autre installateur</translation>
    </message>
    <message>
        <source>Your original game installer hasn&apos;t been changed.</source>
        <translation>Votre installateur d’origine n’a pas été modifié.</translation>
    </message>
    <message>
        <source>Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if the problem continues.</source>
        <translation>Choisissez SimCity 3000 Unlimited version 2.0.949(a), puis réessayez. Si le problème persiste, le journal de création peut aider.</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerController</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Installer Velmora 3000</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Quitter %1</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Placer dans le Dock</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerPage</name>
    <message>
        <source>Bring your GOG installer</source>
        <translation>Ajoutez votre installateur GOG</translation>
    </message>
    <message>
        <source>We&apos;ll turn your copy into a native Mac app.</source>
        <translation>Votre copie deviendra une app Mac native.</translation>
    </message>
    <message>
        <source>Drop your GOG SimCity 3000 Unlimited installer here</source>
        <translation>Déposez ici l’installateur GOG de SimCity 3000 Unlimited</translation>
    </message>
    <message>
        <source>Choose the offline installer ending in .exe</source>
        <translation>Choisissez l’installateur hors ligne en .exe</translation>
    </message>
    <message>
        <source>No file chosen yet</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Build</source>
        <extracomment>The button that starts building the app from the chosen installer (a verb).</extracomment>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Your file stays on this Mac</source>
        <translation>Votre fichier reste sur ce Mac</translation>
    </message>
    <message>
        <source>First build: about 3 minutes and %1 of free space. The finished app contains your game files; keep it on this Mac.</source>
        <translation>Première création&#xa0;: environ 3&#xa0;minutes et %1 libres. L’app finale contient vos fichiers de jeu&#xa0;; gardez-la sur ce Mac.</translation>
    </message>
</context>
<context>
    <name>vlmr::LogView</name>
    <message>
        <source>Build log</source>
        <translation>Journal de création</translation>
    </message>
</context>
<context>
    <name>vlmr::OutcomePages</name>
    <message>
        <source>Couldn&apos;t move the app</source>
        <translation>Impossible de déplacer l’app</translation>
    </message>
</context>
<context>
    <name>vlmr::SelectionFlow</name>
    <message>
        <source>Choose your GOG SimCity 3000 Unlimited installer</source>
        <translation>Choisissez votre installateur GOG de SimCity 3000 Unlimited</translation>
    </message>
    <message>
        <source>Use this installer</source>
        <translation>Utiliser cet installateur</translation>
    </message>
    <message>
        <source>Windows installer (%1)</source>
        <extracomment>The file dialog&apos;s filter; %1 is the file pattern. Keep the parentheses plain ASCII.</extracomment>
        <translation>Installateur Windows (%1)</translation>
    </message>
</context>
<context>
    <name>vlmr::WelcomePage</name>
    <message>
        <source>Xcode Command Line Tools</source>
        <translation>Command Line Tools de Xcode</translation>
    </message>
    <message>
        <source>Python 3</source>
        <translation>Python 3</translation>
    </message>
    <message>
        <source>Apple Silicon · macOS 15+</source>
        <translation>Apple Silicon · macOS 15+</translation>
    </message>
    <message>
        <source>Supported</source>
        <extracomment>The status of the Mac&apos;s row (&quot;Apple Silicon · macOS 15+&quot;): this Mac can build the game.</extracomment>
        <translation>Compatible</translation>
    </message>
    <message>
        <source>After Apple&apos;s installer finishes, choose Check again.</source>
        <translation>Une fois l’installation d’Apple terminée, cliquez sur Vérifier à nouveau.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>The status of a checklist row while it is being checked.</extracomment>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>One thing to install first</source>
        <translation>Un élément à installer d’abord</translation>
    </message>
    <message>
        <source>It&apos;s a one-time download from Apple.</source>
        <translation>Un téléchargement unique, fourni par Apple.</translation>
    </message>
    <message>
        <source>Velmora 3000 builds the game on your Mac, so it needs Apple&apos;s free Xcode Command Line Tools. You don&apos;t need the full Xcode app.</source>
        <translation>Velmora 3000 crée le jeu sur votre Mac et a donc besoin des Command Line Tools de Xcode, gratuits. L’app Xcode complète n’est pas nécessaire.</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The status of Python 3&apos;s row: it can be used.</extracomment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Install Command Line Tools</source>
        <translation>Installer les Command Line Tools</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>No Homebrew or Terminal setup</source>
        <translation>Sans Homebrew ni Terminal</translation>
    </message>
    <message>
        <source>One quick check first</source>
        <translation>D’abord, une petite vérification</translation>
    </message>
    <message>
        <source>Then we&apos;ll build your Mac version from your GOG copy.</source>
        <translation>Puis nous créerons votre version Mac à partir de votre copie GOG.</translation>
    </message>
    <message>
        <source>✓  Ready to build</source>
        <translation>✓  Prêt pour la création</translation>
    </message>
    <message>
        <source>Everything happens on this Mac. Nothing is uploaded.</source>
        <translation>Tout se passe sur ce Mac. Rien n’est envoyé en ligne.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Checking again…</source>
        <translation>Nouvelle vérification…</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are not installed.</extracomment>
        <translation>Manquants</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Python 3</comment>
        <extracomment>The status of Python 3&apos;s row (one program): it is not installed.</extracomment>
        <translation>Manquant</translation>
    </message>
    <message>
        <source>Installed</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are installed.</extracomment>
        <translation>Installés</translation>
    </message>
    <message>
        <source>About 3 minutes · %1 free space</source>
        <translation>Environ 3&#xa0;minutes · %1 d’espace libre</translation>
    </message>
</context>
</TS>
