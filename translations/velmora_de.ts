<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>done</source>
        <extracomment>Spoken after a build stage&apos;s name (&quot;Compile the game: done&quot;): the stage is over.</extracomment>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>in progress</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage is running now.</extracomment>
        <translation>läuft</translation>
    </message>
    <message>
        <source>not started</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage has not begun yet.</extracomment>
        <translation>nicht gestartet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read aloud as one line: %1 is what a row or key names, %2 its state or meaning (&quot;Python 3: Ready&quot;, &quot;Compile the game: done&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The ⌘ key as a screen reader names it, in the system&apos;s words. &quot;Command comma&quot; starts with the same word.</extracomment>
        <translation>Befehlstaste</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>The ⌥ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Wahltaste</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The ⇧ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Umschalttaste</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Read for the dash of a range of keys (&quot;1–4&quot;: &quot;1 to 4&quot;); keep the spaces.</extracomment>
        <translation> bis </translation>
    </message>
    <message>
        <source>Command comma</source>
        <extracomment>The key combination ⌘ , (the settings shortcut) read aloud.</extracomment>
        <translation>Befehlstaste Komma</translation>
    </message>
</context>
<context>
    <name>BuildAdvice</name>
    <message>
        <source>Something went wrong while building the app.</source>
        <translation>Beim Erstellen der App ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>That installer doesn&apos;t contain the SimCity 3000 Unlimited game files. Use the GOG offline backup installer for SimCity 3000 Unlimited.</source>
        <translation>Dieser Installer enthält nicht die Spieldateien von SimCity 3000 Unlimited. Verwende den GOG-Offline-Backup-Installer von SimCity 3000 Unlimited.</translation>
    </message>
    <message>
        <source>The game files in that installer aren&apos;t version 2.0.949(a), which is the release this project can build. Update it from GOG and try again.</source>
        <translation>Die Spieldateien in diesem Installer sind nicht Version 2.0.949(a), die dieses Projekt erstellen kann. Aktualisiere ihn über GOG und versuche es erneut.</translation>
    </message>
    <message>
        <source>The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then reopen this installer.</source>
        <translation>Die Xcode Command Line Tools sind veraltet oder unvollständig. Führe xcode-select --install aus und öffne diesen Installer dann erneut.</translation>
    </message>
    <message>
        <source>Your disk is full. Free about %1, then build again.</source>
        <translation>Deine Festplatte ist voll. Gib etwa %1 frei und starte die Erstellung erneut.</translation>
    </message>
</context>
<context>
    <name>BuildNotification</name>
    <message>
        <source>The build finished. Click to open the installer.</source>
        <translation>Die Erstellung ist fertig. Klicke, um den Installer zu öffnen.</translation>
    </message>
    <message>
        <source>Click to see what went wrong.</source>
        <translation>Klicke, um zu sehen, was schiefging.</translation>
    </message>
    <message>
        <source>The build was cancelled</source>
        <translation>Die Erstellung wurde abgebrochen</translation>
    </message>
    <message>
        <source>Click to open the installer.</source>
        <translation>Klicke, um den Installer zu öffnen.</translation>
    </message>
    <message>
        <source>Velmora 3000 is ready</source>
        <translation>Velmora 3000 ist bereit</translation>
    </message>
    <message>
        <source>The build didn&apos;t finish</source>
        <translation>Die Erstellung ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>BuildStages</name>
    <message>
        <source>Check game installer</source>
        <translation>Installer prüfen</translation>
    </message>
    <message>
        <source>Unpack game files</source>
        <translation>Spieldateien entpacken</translation>
    </message>
    <message>
        <source>Prepare native libraries</source>
        <translation>Native Bibliotheken vorbereiten</translation>
    </message>
    <message>
        <source>Compile the game</source>
        <translation>Spiel kompilieren</translation>
    </message>
    <message>
        <source>Package the app</source>
        <translation>App verpacken</translation>
    </message>
    <message>
        <source>Sign for this Mac</source>
        <translation>Für diesen Mac signieren</translation>
    </message>
    <message>
        <source>Checking your game installer and the build tools.</source>
        <translation>Dein Installer und die Entwicklerwerkzeuge werden geprüft.</translation>
    </message>
    <message>
        <source>Unpacking the game files from your GOG installer.</source>
        <translation>Die Spieldateien werden aus deinem GOG-Installer entpackt.</translation>
    </message>
    <message>
        <source>Preparing the native libraries and lifted code.</source>
        <translation>Native Bibliotheken und übersetzter Code werden vorbereitet.</translation>
    </message>
    <message>
        <source>Compiling the native Mac app. This usually takes about 3 minutes.</source>
        <translation>Die native Mac-App wird kompiliert. Das dauert meist etwa 3&#xa0;Minuten.</translation>
    </message>
    <message>
        <source>Packaging the app and its resources.</source>
        <translation>Die App und ihre Ressourcen werden verpackt.</translation>
    </message>
    <message>
        <source>Signing the app for this Mac.</source>
        <translation>Die App wird für diesen Mac signiert.</translation>
    </message>
</context>
<context>
    <name>BuildTimings</name>
    <message>
        <source>less than a minute left</source>
        <translation>Noch unter einer Minute</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>Noch etwa %n&#xa0;Min.</numerusform>
            <numerusform>Noch etwa %n&#xa0;Min.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Velmora 3000 Installer</translation>
    </message>
    <message>
        <source>Build Velmora 3000 from your own GOG installer</source>
        <translation>Velmora 3000 aus deinem eigenen GOG-Installer erstellen</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>Only %1 free on this disk; the build needs about %2. Free some space, then choose the installer again.</source>
        <translation>Nur %1 frei auf dieser Festplatte; die Erstellung braucht etwa %2. Gib Speicherplatz frei und wähle den Installer erneut.</translation>
    </message>
    <message>
        <source>Only %1 free on that disk; the app needs about %2. Free some space, then choose Move to Applications again.</source>
        <translation>Nur %1 frei auf dieser Festplatte; die App braucht etwa %2. Gib Speicherplatz frei und bewege die App dann erneut in „Programme“.</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Velmora 3000 Installer</translation>
    </message>
    <message>
        <source>Windows executable</source>
        <translation>Ausführbare Windows-Datei</translation>
    </message>
    <message>
        <source>Show in Finder asks Finder to put an alias of Applications beside the app, so you can drag the app into place.</source>
        <translation>„Im Finder zeigen“ lässt den Finder neben der App einen Alias von „Programme“ erzeugen, damit du die App an ihren Platz ziehen kannst.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on your Desktop to build the game from it.</source>
        <translation>Der Installer liest den GOG-Installer, den du auf deinem Schreibtisch auswählst, um daraus das Spiel zu bauen.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Documents folder to build the game from it.</source>
        <translation>Der Installer liest den GOG-Installer, den du in deinem Ordner „Dokumente“ auswählst, um daraus das Spiel zu bauen.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Downloads folder to build the game from it.</source>
        <translation>Der Installer liest den GOG-Installer, den du in deinem Ordner „Downloads“ auswählst, um daraus das Spiel zu bauen.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on an external drive to build the game from it.</source>
        <translation>Der Installer liest den GOG-Installer, den du auf einem externen Laufwerk auswählst, um daraus das Spiel zu bauen.</translation>
    </message>
</context>
<context>
    <name>InstallerValidation</name>
    <message>
        <source>That file can&apos;t be read. Is it still on this Mac?</source>
        <translation>Die Datei ist nicht lesbar. Ist sie noch auf diesem Mac?</translation>
    </message>
    <message>
        <source>That file is too small to be the GOG installer (it should be about 560 MB).</source>
        <translation>Die Datei ist zu klein für den GOG-Installer (er hat etwa 560&#xa0;MB).</translation>
    </message>
    <message>
        <source>That isn&apos;t a Windows installer (.exe) file.</source>
        <translation>Das ist kein Windows-Installer (.exe).</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like the GOG SimCity 3000 Unlimited installer. Look for setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.</source>
        <translation>Das ist wohl nicht der GOG-Installer von SimCity 3000 Unlimited. Suche in deiner GOG-Bibliothek nach setup_simcity_3000_unlimited_2.0.949(a)….exe.</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>macOS doesn&apos;t let the installer read that file. Allow it in System Settings → Privacy &amp; Security → Files and Folders.</source>
        <translation>macOS lässt den Installer diese Datei nicht lesen. Erlaube es in Systemeinstellungen → Datenschutz &amp; Sicherheit → Dateien und Ordner.</translation>
    </message>
    <message>
        <source>GOG 2.0.949(a) installer · %1 · ready to build</source>
        <translation>GOG-Installer 2.0.949(a) · %1 · bereit zum Erstellen</translation>
    </message>
    <message>
        <source>%1 · this build is not the known GOG 2.0.949(a) one, so the game files are checked after extraction</source>
        <translation>%1 · nicht die bekannte GOG-Version 2.0.949(a), daher werden die Spieldateien nach dem Entpacken geprüft</translation>
    </message>
</context>
<context>
    <name>Installing</name>
    <message>
        <source>Copying the app failed. Is the disk full?</source>
        <translation>Die App konnte nicht kopiert werden. Ist die Festplatte voll?</translation>
    </message>
    <message>
        <source>The app was copied but couldn&apos;t be put in place.</source>
        <translation>Die App wurde kopiert, aber nicht an ihren Platz bewegt.</translation>
    </message>
    <message>
        <source>%1 already exists and wasn&apos;t made by this installer. Move or rename it first.</source>
        <translation>%1 existiert bereits und stammt nicht von diesem Installer. Bewege es zuerst woandershin oder benenne es um.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be replaced. Check its permissions.</source>
        <translation>%1 konnte nicht ersetzt werden. Prüfe die Zugriffsrechte.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is read-only.</source>
        <translation>Die App konnte nicht kopiert werden: %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is not a folder.</source>
        <translation>Die App konnte nicht kopiert werden: %1 ist kein Ordner.</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: opens the app&apos;s About panel; %1 is the app&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Services</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: the submenu of the system&apos;s services.</extracomment>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides the app&apos;s windows (Command-H); %1 is the app&apos;s name.</extracomment>
        <translation>%1 ausblenden</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides every other app (Option-Command-H).</extracomment>
        <translation>Andere ausblenden</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: shows the apps that were hidden.</extracomment>
        <translation>Alle einblenden</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: quits the app (Command-Q); %1 is the app&apos;s name.</extracomment>
        <translation>%1 beenden</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>That download hasn&apos;t finished yet. Wait for it, then try again.</source>
        <translation>Der Download läuft noch. Versuche es erneut, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>That&apos;s a Mac installer. This needs the Windows offline installer from GOG.</source>
        <translation>Das ist ein Mac-Installer. Benötigt wird der Windows-Offline-Installer von GOG.</translation>
    </message>
    <message>
        <source>That&apos;s an archive. Open it and use the installer (.exe) inside.</source>
        <translation>Das ist ein Archiv. Öffne es und verwende den Installer (.exe) darin.</translation>
    </message>
    <message>
        <source>That&apos;s a data part of the installer. Use the .exe beside it.</source>
        <translation>Das ist ein Datenteil des Installers. Verwende die .exe daneben.</translation>
    </message>
</context>
<context>
    <name>PageParts</name>
    <message>
        <source>%1, needs attention</source>
        <extracomment>Read aloud after a checklist row whose state is not good; %1 is the row as read.</extracomment>
        <translation>%1, erfordert Aufmerksamkeit</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>The installer file changed after it was checked. Choose it again.</source>
        <translation>Die Installationsdatei wurde nach der Prüfung geändert. Wähle sie erneut aus.</translation>
    </message>
    <message>
        <source>Another build is already running.</source>
        <translation>Es läuft bereits eine andere Erstellung.</translation>
    </message>
    <message>
        <source>The installer bundle is damaged (no source snapshot inside).</source>
        <translation>Das Installer-Paket ist beschädigt (kein Quellcode-Snapshot enthalten).</translation>
    </message>
    <message>
        <source>Could not unpack the build sources into Application Support.</source>
        <translation>Die Quelldateien konnten nicht nach „Application Support“ entpackt werden.</translation>
    </message>
    <message>
        <source>The build sources are not prepared.</source>
        <translation>Die Quelldateien sind nicht vorbereitet.</translation>
    </message>
    <message>
        <source>Could not start the build.</source>
        <translation>Die Erstellung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Could not lock the folder %1 against another build.</source>
        <translation>Der Ordner %1 konnte nicht gegen eine andere Erstellung gesperrt werden.</translation>
    </message>
    <message>
        <source>Could not create the output folder %1.</source>
        <translation>Der Ausgabeordner %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Could not create a pipe.</source>
        <translation>Es konnte keine Pipe angelegt werden.</translation>
    </message>
</context>
<context>
    <name>Prerequisites</name>
    <message>
        <source>Follow Apple&apos;s prompt, then choose Check again when it finishes.</source>
        <translation>Folge dem Dialog von Apple und wähle am Ende „Erneut prüfen“.</translation>
    </message>
    <message>
        <source>Apple says the tools may already be installed or being installed. Choose Check again.</source>
        <translation>Laut Apple sind die Werkzeuge vielleicht schon installiert oder werden gerade installiert. Wähle „Erneut prüfen“.</translation>
    </message>
    <message>
        <source>macOS could not open the installation. Run xcode-select --install in Terminal.</source>
        <translation>macOS konnte die Installation nicht starten. Gib im Terminal xcode-select --install ein.</translation>
    </message>
    <message>
        <source>Accept Xcode&apos;s license first: open Xcode once, or run sudo xcodebuild -license accept.</source>
        <translation>Akzeptiere erst die Xcode-Lizenz: Öffne Xcode einmal oder führe sudo xcodebuild -license accept aus.</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Could not launch %1: %2.</source>
        <translation>%1 konnte nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>The process was already launched.</source>
        <translation>Der Prozess wurde bereits gestartet.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Build cancelled. You can try again.</source>
        <translation>Erstellung abgebrochen. Du kannst es erneut versuchen.</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>%1 wird geprüft&#xa0;…</translation>
    </message>
</context>
<context>
    <name>Sizes</name>
    <message>
        <source>GB</source>
        <extracomment>The unit of a size in 2^30 bytes, after its figure (&quot;30.0 GB&quot;): the language&apos;s own symbol.</extracomment>
        <translation>GB</translation>
    </message>
    <message>
        <source>MB</source>
        <extracomment>The unit of a size in 2^20 bytes, after its figure (&quot;650 MB&quot;): the language&apos;s own symbol.</extracomment>
        <translation>MB</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Building Velmora 3000</source>
        <translation>Velmora 3000 wird erstellt</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>That doesn&apos;t look like the GOG offline installer.</source>
        <translation>Das sieht nicht nach dem GOG-Offline-Installer aus.</translation>
    </message>
</context>
<context>
    <name>vlmr::BuildPage</name>
    <message>
        <source>Stage %1 of 6</source>
        <extracomment>Which of the build&apos;s six stages runs now; %1 is its number.</extracomment>
        <translation>Schritt %1 von 6</translation>
    </message>
    <message>
        <source>Building Velmora 3000…</source>
        <translation>Velmora 3000 wird erstellt&#xa0;…</translation>
    </message>
    <message>
        <source>Build details</source>
        <translation>Erstellungsdetails</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>A small button beside &quot;Build details&quot;: hides the build log below it. Keep it short.</extracomment>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>You can keep this window open.</source>
        <translation>Du kannst dieses Fenster geöffnet lassen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>A small button beside &quot;Build details&quot;: shows the build log below it again. Keep it short.</extracomment>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen&#xa0;…</translation>
    </message>
    <message>
        <source>%1 … [a line of %2, cut here; the installer log has all of it]</source>
        <translation>%1 … [eine Zeile von %2, hier gekürzt; das Protokoll enthält sie ganz]</translation>
    </message>
</context>
<context>
    <name>vlmr::DBusNotificationPoster</name>
    <message>
        <source>Show</source>
        <extracomment>The button of a desktop notification about the build: brings the installer&apos;s window to the front.</extracomment>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>vlmr::DonePage</name>
    <message>
        <source>⌘ Return</source>
        <extracomment>A key cap: the Command key and the Return key, pressed together. Keep &quot;⌘&quot; and name Return as the system&apos;s keyboard menus do.</extracomment>
        <translation>⌘ Zeilenschalter</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausieren oder fortsetzen</translation>
    </message>
    <message>
        <source>Move the camera</source>
        <translation>Kamera bewegen</translation>
    </message>
    <message>
        <source>Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options</source>
        <translation>Einstellungen: Auflösung, Skalierung, Text, Kamera, Autospeichern, Tempotasten und Simulation</translation>
    </message>
    <message>
        <source>Set game speed</source>
        <extracomment>What the keys 1 to 4 do in the game; an action, like the other shortcuts.</extracomment>
        <translation>Spieltempo einstellen</translation>
    </message>
    <message>
        <source>Turn the camera</source>
        <translation>Kamera drehen</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>In „Programme“ bewegen</translation>
    </message>
    <message>
        <source>Moving…</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button while the app is being moved.</extracomment>
        <translation>Wird bewegt&#xa0;…</translation>
    </message>
    <message>
        <source>Moved ✓</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button once the app is there (the app is the subject).</extracomment>
        <translation>Bewegt ✓</translation>
    </message>
    <message>
        <source>Your city is built. Open it now, or keep it with your other apps.</source>
        <translation>Deine Stadt steht. Öffne sie jetzt oder leg sie zu deinen anderen Apps.</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Before you play</source>
        <translation>Bevor du spielst</translation>
    </message>
    <message>
        <source>If macOS blocks the game:</source>
        <translation>Falls macOS das Spiel blockiert:</translation>
    </message>
    <message>
        <source>This app contains your copy of the game. Please keep it on this Mac and don&apos;t share or upload it. Your saves and settings stay in your user folder.</source>
        <translation>Diese App enthält deine Kopie des Spiels. Lass sie bitte auf diesem Mac, gib sie nicht weiter und lade sie nirgends hoch. Spielstände und Einstellungen bleiben in deinem Benutzerordner.</translation>
    </message>
    <message>
        <source> go to System Settings → Privacy &amp; Security → Open Anyway. You only need to do this once.</source>
        <translation> Gehe zu Systemeinstellungen → Datenschutz &amp; Sicherheit → Dennoch öffnen. Das ist nur einmal nötig.</translation>
    </message>
</context>
<context>
    <name>vlmr::ErrorPage</name>
    <message>
        <source>Log: %1</source>
        <extracomment>Where the build log is; %1 is the path of its file.</extracomment>
        <translation>Protokoll: %1</translation>
    </message>
    <message>
        <source>Copy log</source>
        <extracomment>A narrow button below &quot;Log: …&quot;: copies the whole build log to the clipboard.</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Show log in Finder</source>
        <extracomment>Opens a Finder window with the build log&apos;s file selected.</extracomment>
        <translation>Protokoll im Finder zeigen</translation>
    </message>
    <message>
        <source>Choose another installer</source>
        <translation>Anderen Installer wählen</translation>
    </message>
    <message>
        <source>Your original game installer hasn&apos;t been changed.</source>
        <translation>Dein Original-Installer wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if the problem continues.</source>
        <translation>Wähle SimCity 3000 Unlimited Version 2.0.949(a) und versuche es erneut. Bleibt das Problem, hilft das Erstellungsprotokoll weiter.</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerController</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Velmora 3000 Installer</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 beenden</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Im Dock ablegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerPage</name>
    <message>
        <source>Bring your GOG installer</source>
        <translation>Füge deinen GOG-Installer hinzu</translation>
    </message>
    <message>
        <source>We&apos;ll turn your copy into a native Mac app.</source>
        <translation>Wir machen aus deiner Kopie eine native Mac-App.</translation>
    </message>
    <message>
        <source>Drop your GOG SimCity 3000 Unlimited installer here</source>
        <translation>GOG-Installer von SimCity 3000 Unlimited hier ablegen</translation>
    </message>
    <message>
        <source>Choose the offline installer ending in .exe</source>
        <translation>Wähle den Offline-Installer mit der Endung .exe</translation>
    </message>
    <message>
        <source>No file chosen yet</source>
        <translation>Noch keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen&#xa0;…</translation>
    </message>
    <message>
        <source>Build</source>
        <extracomment>The button that starts building the app from the chosen installer (a verb).</extracomment>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Your file stays on this Mac</source>
        <translation>Deine Datei bleibt auf diesem Mac</translation>
    </message>
    <message>
        <source>First build: about 3 minutes and %1 of free space. The finished app contains your game files; keep it on this Mac.</source>
        <translation>Beim ersten Mal: etwa 3&#xa0;Minuten und %1 freier Speicherplatz. Die fertige App enthält deine Spieldateien; lass sie auf diesem Mac.</translation>
    </message>
</context>
<context>
    <name>vlmr::LogView</name>
    <message>
        <source>Build log</source>
        <translation>Erstellungsprotokoll</translation>
    </message>
</context>
<context>
    <name>vlmr::OutcomePages</name>
    <message>
        <source>Couldn&apos;t move the app</source>
        <translation>Die App konnte nicht bewegt werden</translation>
    </message>
</context>
<context>
    <name>vlmr::SelectionFlow</name>
    <message>
        <source>Choose your GOG SimCity 3000 Unlimited installer</source>
        <translation>Wähle deinen GOG-Installer von SimCity 3000 Unlimited</translation>
    </message>
    <message>
        <source>Use this installer</source>
        <translation>Diesen Installer verwenden</translation>
    </message>
    <message>
        <source>Windows installer (%1)</source>
        <extracomment>The file dialog&apos;s filter; %1 is the file pattern. Keep the parentheses plain ASCII.</extracomment>
        <translation>Windows-Installer (%1)</translation>
    </message>
</context>
<context>
    <name>vlmr::WelcomePage</name>
    <message>
        <source>Xcode Command Line Tools</source>
        <translation>Xcode Command Line Tools</translation>
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
        <translation>Unterstützt</translation>
    </message>
    <message>
        <source>After Apple&apos;s installer finishes, choose Check again.</source>
        <translation>Wenn Apples Installation fertig ist, wähle „Erneut prüfen“.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>The status of a checklist row while it is being checked.</extracomment>
        <translation>Wird geprüft&#xa0;…</translation>
    </message>
    <message>
        <source>One thing to install first</source>
        <translation>Zuerst eine Installation</translation>
    </message>
    <message>
        <source>It&apos;s a one-time download from Apple.</source>
        <translation>Ein einmaliger Download von Apple.</translation>
    </message>
    <message>
        <source>Velmora 3000 builds the game on your Mac, so it needs Apple&apos;s free Xcode Command Line Tools. You don&apos;t need the full Xcode app.</source>
        <translation>Velmora 3000 erstellt das Spiel auf deinem Mac und braucht dafür Apples kostenlose Xcode Command Line Tools. Die komplette Xcode-App ist nicht nötig.</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The status of Python 3&apos;s row: it can be used.</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Install Command Line Tools</source>
        <translation>Command Line Tools installieren</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>No Homebrew or Terminal setup</source>
        <translation>Ohne Homebrew oder Terminal</translation>
    </message>
    <message>
        <source>One quick check first</source>
        <translation>Zuerst eine kurze Prüfung</translation>
    </message>
    <message>
        <source>Then we&apos;ll build your Mac version from your GOG copy.</source>
        <translation>Dann erstellen wir aus deiner GOG-Kopie deine Mac-Version.</translation>
    </message>
    <message>
        <source>✓  Ready to build</source>
        <translation>✓  Bereit zum Erstellen</translation>
    </message>
    <message>
        <source>Everything happens on this Mac. Nothing is uploaded.</source>
        <translation>Alles passiert auf diesem Mac. Nichts wird hochgeladen.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Checking again…</source>
        <translation>Erneute Prüfung&#xa0;…</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are not installed.</extracomment>
        <translation>Fehlen</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Python 3</comment>
        <extracomment>The status of Python 3&apos;s row (one program): it is not installed.</extracomment>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Installed</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are installed.</extracomment>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>About 3 minutes · %1 free space</source>
        <translation>Etwa 3&#xa0;Minuten · %1 freier Speicherplatz</translation>
    </message>
</context>
</TS>
