<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>done</source>
        <extracomment>Spoken after a build stage&apos;s name (&quot;Compile the game: done&quot;): the stage is over.</extracomment>
        <translation>completata</translation>
    </message>
    <message>
        <source>in progress</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage is running now.</extracomment>
        <translation>in corso</translation>
    </message>
    <message>
        <source>not started</source>
        <extracomment>Spoken after a build stage&apos;s name: the stage has not begun yet.</extracomment>
        <translation>non iniziata</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Read aloud as one line: %1 is what a row or key names, %2 its state or meaning (&quot;Python 3: Ready&quot;, &quot;Compile the game: done&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Command</source>
        <extracomment>The ⌘ key as a screen reader names it, in the system&apos;s words. &quot;Command comma&quot; starts with the same word.</extracomment>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>The ⌥ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Opzione</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The ⇧ key as a screen reader names it, in the system&apos;s words.</extracomment>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Read for the dash of a range of keys (&quot;1–4&quot;: &quot;1 to 4&quot;); keep the spaces.</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source>Command comma</source>
        <extracomment>The key combination ⌘ , (the settings shortcut) read aloud.</extracomment>
        <translation>Comando virgola</translation>
    </message>
</context>
<context>
    <name>BuildAdvice</name>
    <message>
        <source>Something went wrong while building the app.</source>
        <translation>Si è verificato un problema durante la compilazione dell&apos;app.</translation>
    </message>
    <message>
        <source>That installer doesn&apos;t contain the SimCity 3000 Unlimited game files. Use the GOG offline backup installer for SimCity 3000 Unlimited.</source>
        <translation>Questo installer non contiene i file di gioco di SimCity 3000 Unlimited. Usa l&apos;installer offline di backup GOG di SimCity 3000 Unlimited.</translation>
    </message>
    <message>
        <source>The game files in that installer aren&apos;t version 2.0.949(a), which is the release this project can build. Update it from GOG and try again.</source>
        <translation>I file di gioco di questo installer non sono della versione 2.0.949(a), l&apos;unica che questo progetto sa compilare. Aggiornalo da GOG e riprova.</translation>
    </message>
    <message>
        <source>The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then reopen this installer.</source>
        <translation>I Command Line Tools di Xcode sono obsoleti o incompleti. Esegui xcode-select --install, poi riapri questo installer.</translation>
    </message>
    <message>
        <source>Your disk is full. Free about %1, then build again.</source>
        <translation>Il disco è pieno. Libera circa %1, poi compila di nuovo.</translation>
    </message>
</context>
<context>
    <name>BuildNotification</name>
    <message>
        <source>The build finished. Click to open the installer.</source>
        <translation>Compilazione terminata. Fai clic per aprire l&apos;installer.</translation>
    </message>
    <message>
        <source>Click to see what went wrong.</source>
        <translation>Fai clic per vedere cosa non ha funzionato.</translation>
    </message>
    <message>
        <source>The build was cancelled</source>
        <translation>La compilazione è stata annullata</translation>
    </message>
    <message>
        <source>Click to open the installer.</source>
        <translation>Fai clic per aprire l&apos;installer.</translation>
    </message>
    <message>
        <source>Velmora 3000 is ready</source>
        <translation>Velmora 3000 è pronto</translation>
    </message>
    <message>
        <source>The build didn&apos;t finish</source>
        <translation>La compilazione non è riuscita</translation>
    </message>
</context>
<context>
    <name>BuildStages</name>
    <message>
        <source>Check game installer</source>
        <translation>Verifica dell&apos;installer</translation>
    </message>
    <message>
        <source>Unpack game files</source>
        <translation>Estrazione dei file</translation>
    </message>
    <message>
        <source>Prepare native libraries</source>
        <translation>Preparazione librerie native</translation>
    </message>
    <message>
        <source>Compile the game</source>
        <translation>Compilazione del gioco</translation>
    </message>
    <message>
        <source>Package the app</source>
        <translation>Creazione del pacchetto</translation>
    </message>
    <message>
        <source>Sign for this Mac</source>
        <translation>Firma per questo Mac</translation>
    </message>
    <message>
        <source>Checking your game installer and the build tools.</source>
        <translation>Verifica dell&apos;installer del gioco e degli strumenti di compilazione.</translation>
    </message>
    <message>
        <source>Unpacking the game files from your GOG installer.</source>
        <translation>Estrazione dei file del gioco dal tuo installer GOG.</translation>
    </message>
    <message>
        <source>Preparing the native libraries and lifted code.</source>
        <translation>Preparazione delle librerie native e del codice convertito.</translation>
    </message>
    <message>
        <source>Compiling the native Mac app. This usually takes about 3 minutes.</source>
        <translation>Compilazione dell&apos;app nativa per Mac. Di solito servono circa 3&#xa0;minuti.</translation>
    </message>
    <message>
        <source>Packaging the app and its resources.</source>
        <translation>Creazione del pacchetto dell&apos;app con le sue risorse.</translation>
    </message>
    <message>
        <source>Signing the app for this Mac.</source>
        <translation>Firma dell&apos;app per questo Mac.</translation>
    </message>
</context>
<context>
    <name>BuildTimings</name>
    <message>
        <source>less than a minute left</source>
        <translation>manca meno di un minuto</translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>manca circa %n&#xa0;min</numerusform>
            <numerusform>mancano circa %n&#xa0;min</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Installer di Velmora 3000</translation>
    </message>
    <message>
        <source>Build Velmora 3000 from your own GOG installer</source>
        <translation>Compila Velmora 3000 dal tuo installer GOG</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>Only %1 free on this disk; the build needs about %2. Free some space, then choose the installer again.</source>
        <translation>Solo %1 liberi su questo disco; la compilazione richiede circa %2. Libera spazio, poi scegli di nuovo l&apos;installer.</translation>
    </message>
    <message>
        <source>Only %1 free on that disk; the app needs about %2. Free some space, then choose Move to Applications again.</source>
        <translation>Solo %1 liberi su quel disco; l&apos;app richiede circa %2. Libera spazio, poi scegli di nuovo Sposta in Applicazioni.</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Installer di Velmora 3000</translation>
    </message>
    <message>
        <source>Windows executable</source>
        <translation>Eseguibile Windows</translation>
    </message>
    <message>
        <source>Show in Finder asks Finder to put an alias of Applications beside the app, so you can drag the app into place.</source>
        <translation>Mostra nel Finder chiede al Finder di creare un alias di Applicazioni accanto all&apos;app, così puoi trascinare l&apos;app al suo posto.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on your Desktop to build the game from it.</source>
        <translation>L&apos;installer legge l&apos;installer GOG che scegli sulla tua scrivania per creare il gioco a partire da esso.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Documents folder to build the game from it.</source>
        <translation>L&apos;installer legge l&apos;installer GOG che scegli nella tua cartella Documenti per creare il gioco a partire da esso.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose in your Downloads folder to build the game from it.</source>
        <translation>L&apos;installer legge l&apos;installer GOG che scegli nella tua cartella Download per creare il gioco a partire da esso.</translation>
    </message>
    <message>
        <source>The installer reads the GOG installer you choose on an external drive to build the game from it.</source>
        <translation>L&apos;installer legge l&apos;installer GOG che scegli su un disco esterno per creare il gioco a partire da esso.</translation>
    </message>
</context>
<context>
    <name>InstallerValidation</name>
    <message>
        <source>That file can&apos;t be read. Is it still on this Mac?</source>
        <translation>Impossibile leggere il file. È ancora su questo Mac?</translation>
    </message>
    <message>
        <source>That file is too small to be the GOG installer (it should be about 560 MB).</source>
        <translation>Il file è troppo piccolo per essere l&apos;installer GOG (dovrebbe essere di circa 560&#xa0;MB).</translation>
    </message>
    <message>
        <source>That isn&apos;t a Windows installer (.exe) file.</source>
        <translation>Questo non è un installer Windows (.exe).</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like the GOG SimCity 3000 Unlimited installer. Look for setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.</source>
        <translation>Non sembra l&apos;installer GOG di SimCity 3000 Unlimited. Cerca setup_simcity_3000_unlimited_2.0.949(a)….exe nella tua libreria GOG.</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>Il controllo è stato interrotto.</translation>
    </message>
    <message>
        <source>macOS doesn&apos;t let the installer read that file. Allow it in System Settings → Privacy &amp; Security → Files and Folders.</source>
        <translation>macOS non permette all&apos;installer di leggere quel file. Consentilo in Impostazioni di Sistema → Privacy e sicurezza → File e cartelle.</translation>
    </message>
    <message>
        <source>GOG 2.0.949(a) installer · %1 · ready to build</source>
        <translation>Installer GOG 2.0.949(a) · %1 · pronto da compilare</translation>
    </message>
    <message>
        <source>%1 · this build is not the known GOG 2.0.949(a) one, so the game files are checked after extraction</source>
        <translation>%1 · non è la versione GOG 2.0.949(a) nota: i file del gioco saranno controllati dopo l&apos;estrazione</translation>
    </message>
</context>
<context>
    <name>Installing</name>
    <message>
        <source>Copying the app failed. Is the disk full?</source>
        <translation>Copia dell&apos;app non riuscita. Il disco è pieno?</translation>
    </message>
    <message>
        <source>The app was copied but couldn&apos;t be put in place.</source>
        <translation>L&apos;app è stata copiata ma non è stato possibile collocarla.</translation>
    </message>
    <message>
        <source>%1 already exists and wasn&apos;t made by this installer. Move or rename it first.</source>
        <translation>%1 esiste già e non è stato creato da questo installer. Prima spostalo o rinominalo.</translation>
    </message>
    <message>
        <source>%1 couldn&apos;t be replaced. Check its permissions.</source>
        <translation>Impossibile sostituire %1. Controlla i permessi.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is read-only.</source>
        <translation>Copia dell&apos;app non riuscita: %1 è di sola lettura.</translation>
    </message>
    <message>
        <source>Copying the app failed: %1 is not a folder.</source>
        <translation>Copia dell&apos;app non riuscita: %1 non è una cartella.</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: opens the app&apos;s About panel; %1 is the app&apos;s name.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Services</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: the submenu of the system&apos;s services.</extracomment>
        <translation>Servizi</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides the app&apos;s windows (Command-H); %1 is the app&apos;s name.</extracomment>
        <translation>Nascondi %1</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: hides every other app (Option-Command-H).</extracomment>
        <translation>Nascondi altre</translation>
    </message>
    <message>
        <source>Show All</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: shows the apps that were hidden.</extracomment>
        <translation>Mostra tutte</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <extracomment>The Mac&apos;s application menu, worded as macOS words it in this language: quits the app (Command-Q); %1 is the app&apos;s name.</extracomment>
        <translation>Esci da %1</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>That download hasn&apos;t finished yet. Wait for it, then try again.</source>
        <translation>Il download non è ancora terminato. Attendi, poi riprova.</translation>
    </message>
    <message>
        <source>That&apos;s a Mac installer. This needs the Windows offline installer from GOG.</source>
        <translation>Questo è un installer per Mac. Serve l&apos;installer offline per Windows di GOG.</translation>
    </message>
    <message>
        <source>That&apos;s an archive. Open it and use the installer (.exe) inside.</source>
        <translation>Questo è un archivio. Aprilo e usa l&apos;installer (.exe) che contiene.</translation>
    </message>
    <message>
        <source>That&apos;s a data part of the installer. Use the .exe beside it.</source>
        <translation>Questo è un file di dati dell&apos;installer. Usa il file .exe accanto.</translation>
    </message>
</context>
<context>
    <name>PageParts</name>
    <message>
        <source>%1, needs attention</source>
        <extracomment>Read aloud after a checklist row whose state is not good; %1 is the row as read.</extracomment>
        <translation>%1, richiede attenzione</translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>The installer file changed after it was checked. Choose it again.</source>
        <translation>Il file di installazione è cambiato dopo il controllo. Sceglilo di nuovo.</translation>
    </message>
    <message>
        <source>Another build is already running.</source>
        <translation>È già in corso un&apos;altra compilazione.</translation>
    </message>
    <message>
        <source>The installer bundle is damaged (no source snapshot inside).</source>
        <translation>Il pacchetto dell&apos;installer è danneggiato (manca la copia dei sorgenti).</translation>
    </message>
    <message>
        <source>Could not unpack the build sources into Application Support.</source>
        <translation>Impossibile estrarre i sorgenti di compilazione in Application Support.</translation>
    </message>
    <message>
        <source>The build sources are not prepared.</source>
        <translation>I sorgenti di compilazione non sono pronti.</translation>
    </message>
    <message>
        <source>Could not start the build.</source>
        <translation>Impossibile avviare la compilazione.</translation>
    </message>
    <message>
        <source>Could not lock the folder %1 against another build.</source>
        <translation>Impossibile bloccare la cartella %1 rispetto a un&apos;altra compilazione.</translation>
    </message>
    <message>
        <source>Could not create the output folder %1.</source>
        <translation>Impossibile creare la cartella di destinazione %1.</translation>
    </message>
    <message>
        <source>Could not create a pipe.</source>
        <translation>Impossibile creare una pipe.</translation>
    </message>
</context>
<context>
    <name>Prerequisites</name>
    <message>
        <source>Follow Apple&apos;s prompt, then choose Check again when it finishes.</source>
        <translation>Segui le istruzioni di Apple, poi scegli Ricontrolla al termine.</translation>
    </message>
    <message>
        <source>Apple says the tools may already be installed or being installed. Choose Check again.</source>
        <translation>Secondo Apple gli strumenti potrebbero essere già installati o in installazione. Scegli Ricontrolla.</translation>
    </message>
    <message>
        <source>macOS could not open the installation. Run xcode-select --install in Terminal.</source>
        <translation>macOS non è riuscito ad aprire l&apos;installazione. Esegui xcode-select --install nel Terminale.</translation>
    </message>
    <message>
        <source>Accept Xcode&apos;s license first: open Xcode once, or run sudo xcodebuild -license accept.</source>
        <translation>Accetta prima la licenza di Xcode: apri Xcode una volta o esegui sudo xcodebuild -license accept.</translation>
    </message>
</context>
<context>
    <name>Process</name>
    <message>
        <source>Could not launch %1: %2.</source>
        <translation>Impossibile avviare %1: %2.</translation>
    </message>
    <message>
        <source>The process was already launched.</source>
        <translation>Il processo è già stato avviato.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Build cancelled. You can try again.</source>
        <translation>Compilazione annullata. Puoi riprovare.</translation>
    </message>
    <message>
        <source>Checking %1…</source>
        <translation>Controllo di %1…</translation>
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
        <translation>Compilazione di Velmora 3000</translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>That doesn&apos;t look like the GOG offline installer.</source>
        <translation>Non sembra l&apos;installer offline di GOG.</translation>
    </message>
</context>
<context>
    <name>vlmr::BuildPage</name>
    <message>
        <source>Stage %1 of 6</source>
        <extracomment>Which of the build&apos;s six stages runs now; %1 is its number.</extracomment>
        <translation>Fase %1 di 6</translation>
    </message>
    <message>
        <source>Building Velmora 3000…</source>
        <translation>Compilazione di Velmora 3000…</translation>
    </message>
    <message>
        <source>Build details</source>
        <translation>Dettagli compilazione</translation>
    </message>
    <message>
        <source>Hide</source>
        <extracomment>A small button beside &quot;Build details&quot;: hides the build log below it. Keep it short.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>You can keep this window open.</source>
        <translation>Puoi lasciare aperta questa finestra.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Show</source>
        <extracomment>A small button beside &quot;Build details&quot;: shows the build log below it again. Keep it short.</extracomment>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annullamento…</translation>
    </message>
    <message>
        <source>%1 … [a line of %2, cut here; the installer log has all of it]</source>
        <translation>%1 … [una riga di %2, tagliata qui; il log la contiene per intero]</translation>
    </message>
</context>
<context>
    <name>vlmr::DBusNotificationPoster</name>
    <message>
        <source>Show</source>
        <extracomment>The button of a desktop notification about the build: brings the installer&apos;s window to the front.</extracomment>
        <translation>Mostra</translation>
    </message>
</context>
<context>
    <name>vlmr::DonePage</name>
    <message>
        <source>⌘ Return</source>
        <extracomment>A key cap: the Command key and the Return key, pressed together. Keep &quot;⌘&quot; and name Return as the system&apos;s keyboard menus do.</extracomment>
        <translation>⌘ A capo</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>A tutto schermo</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Metti in pausa o riprendi</translation>
    </message>
    <message>
        <source>Move the camera</source>
        <translation>Sposta la visuale</translation>
    </message>
    <message>
        <source>Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options</source>
        <translation>Impostazioni: risoluzione, scala, testo, visuale, salvataggio automatico, tasti velocità e simulazione</translation>
    </message>
    <message>
        <source>Set game speed</source>
        <extracomment>What the keys 1 to 4 do in the game; an action, like the other shortcuts.</extracomment>
        <translation>Imposta la velocità di gioco</translation>
    </message>
    <message>
        <source>Turn the camera</source>
        <translation>Ruota la visuale</translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation>Sposta in Applicazioni</translation>
    </message>
    <message>
        <source>Moving…</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button while the app is being moved.</extracomment>
        <translation>Spostamento…</translation>
    </message>
    <message>
        <source>Moved ✓</source>
        <extracomment>The title of the &quot;Move to Applications&quot; button once the app is there (the app is the subject).</extracomment>
        <translation>Spostata ✓</translation>
    </message>
    <message>
        <source>Your city is built. Open it now, or keep it with your other apps.</source>
        <translation>La tua città è pronta. Aprila ora o tienila con le tue altre app.</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostra nel Finder</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Before you play</source>
        <translation>Prima di giocare</translation>
    </message>
    <message>
        <source>If macOS blocks the game:</source>
        <translation>Se macOS blocca il gioco:</translation>
    </message>
    <message>
        <source>This app contains your copy of the game. Please keep it on this Mac and don&apos;t share or upload it. Your saves and settings stay in your user folder.</source>
        <translation>Quest&apos;app contiene la tua copia del gioco: tienila su questo Mac e non condividerla né caricarla online. Salvataggi e impostazioni restano nella tua cartella utente.</translation>
    </message>
    <message>
        <source> go to System Settings → Privacy &amp; Security → Open Anyway. You only need to do this once.</source>
        <translation> vai in Impostazioni di Sistema → Privacy e sicurezza → Apri comunque. Basta farlo una volta.</translation>
    </message>
</context>
<context>
    <name>vlmr::ErrorPage</name>
    <message>
        <source>Log: %1</source>
        <extracomment>Where the build log is; %1 is the path of its file.</extracomment>
        <translation>Log: %1</translation>
    </message>
    <message>
        <source>Copy log</source>
        <extracomment>A narrow button below &quot;Log: …&quot;: copies the whole build log to the clipboard.</extracomment>
        <translation>Copia log</translation>
    </message>
    <message>
        <source>Show log in Finder</source>
        <extracomment>Opens a Finder window with the build log&apos;s file selected.</extracomment>
        <translation>Mostra log nel Finder</translation>
    </message>
    <message>
        <source>Choose another installer</source>
        <translation>Scegli un altro installer</translation>
    </message>
    <message>
        <source>Your original game installer hasn&apos;t been changed.</source>
        <translation>L&apos;installer originale del gioco non è stato modificato.</translation>
    </message>
    <message>
        <source>Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if the problem continues.</source>
        <translation>Scegli SimCity 3000 Unlimited versione 2.0.949(a), poi riprova. Se il problema persiste, il log di compilazione può aiutarti.</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerController</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation>Installer di Velmora 3000</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>Esci da %1</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Contrai</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerPage</name>
    <message>
        <source>Bring your GOG installer</source>
        <translation>Aggiungi l&apos;installer GOG</translation>
    </message>
    <message>
        <source>We&apos;ll turn your copy into a native Mac app.</source>
        <translation>Trasformeremo la tua copia in un&apos;app nativa per Mac.</translation>
    </message>
    <message>
        <source>Drop your GOG SimCity 3000 Unlimited installer here</source>
        <translation>Trascina qui l&apos;installer GOG di SimCity 3000 Unlimited</translation>
    </message>
    <message>
        <source>Choose the offline installer ending in .exe</source>
        <translation>Scegli l&apos;installer offline che termina con .exe</translation>
    </message>
    <message>
        <source>No file chosen yet</source>
        <translation>Nessun file scelto</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Build</source>
        <extracomment>The button that starts building the app from the chosen installer (a verb).</extracomment>
        <translation>Compila</translation>
    </message>
    <message>
        <source>Your file stays on this Mac</source>
        <translation>Il file resta su questo Mac</translation>
    </message>
    <message>
        <source>First build: about 3 minutes and %1 of free space. The finished app contains your game files; keep it on this Mac.</source>
        <translation>Prima compilazione: circa 3&#xa0;minuti e %1 liberi. L&apos;app finita contiene i tuoi file di gioco: tienila su questo Mac.</translation>
    </message>
</context>
<context>
    <name>vlmr::LogView</name>
    <message>
        <source>Build log</source>
        <translation>Log di compilazione</translation>
    </message>
</context>
<context>
    <name>vlmr::OutcomePages</name>
    <message>
        <source>Couldn&apos;t move the app</source>
        <translation>Impossibile spostare l&apos;app</translation>
    </message>
</context>
<context>
    <name>vlmr::SelectionFlow</name>
    <message>
        <source>Choose your GOG SimCity 3000 Unlimited installer</source>
        <translation>Scegli l&apos;installer GOG di SimCity 3000 Unlimited</translation>
    </message>
    <message>
        <source>Use this installer</source>
        <translation>Usa questo installer</translation>
    </message>
    <message>
        <source>Windows installer (%1)</source>
        <extracomment>The file dialog&apos;s filter; %1 is the file pattern. Keep the parentheses plain ASCII.</extracomment>
        <translation>Installer Windows (%1)</translation>
    </message>
</context>
<context>
    <name>vlmr::WelcomePage</name>
    <message>
        <source>Xcode Command Line Tools</source>
        <translation>Command Line Tools di Xcode</translation>
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
        <translation>Supportato</translation>
    </message>
    <message>
        <source>After Apple&apos;s installer finishes, choose Check again.</source>
        <translation>Al termine dell&apos;installazione di Apple, scegli Ricontrolla.</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>The status of a checklist row while it is being checked.</extracomment>
        <translation>Controllo…</translation>
    </message>
    <message>
        <source>One thing to install first</source>
        <translation>Prima una cosa da installare</translation>
    </message>
    <message>
        <source>It&apos;s a one-time download from Apple.</source>
        <translation>Si scarica da Apple una volta sola.</translation>
    </message>
    <message>
        <source>Velmora 3000 builds the game on your Mac, so it needs Apple&apos;s free Xcode Command Line Tools. You don&apos;t need the full Xcode app.</source>
        <translation>Velmora 3000 compila il gioco sul tuo Mac, quindi servono i Command Line Tools di Xcode, gratuiti e forniti da Apple. Non serve l&apos;intera app Xcode.</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>The status of Python 3&apos;s row: it can be used.</extracomment>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Install Command Line Tools</source>
        <translation>Installa Command Line Tools</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Ricontrolla</translation>
    </message>
    <message>
        <source>No Homebrew or Terminal setup</source>
        <translation>Senza Homebrew né Terminale</translation>
    </message>
    <message>
        <source>One quick check first</source>
        <translation>Prima un rapido controllo</translation>
    </message>
    <message>
        <source>Then we&apos;ll build your Mac version from your GOG copy.</source>
        <translation>Poi compileremo la versione Mac dalla tua copia GOG.</translation>
    </message>
    <message>
        <source>✓  Ready to build</source>
        <translation>✓  Tutto pronto per compilare</translation>
    </message>
    <message>
        <source>Everything happens on this Mac. Nothing is uploaded.</source>
        <translation>Tutto avviene su questo Mac. Non viene caricato nulla.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Checking again…</source>
        <translation>Nuovo controllo…</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are not installed.</extracomment>
        <translation>Da installare</translation>
    </message>
    <message>
        <source>Missing</source>
        <comment>Python 3</comment>
        <extracomment>The status of Python 3&apos;s row (one program): it is not installed.</extracomment>
        <translation>Da installare</translation>
    </message>
    <message>
        <source>Installed</source>
        <comment>Command Line Tools</comment>
        <extracomment>The status of the Command Line Tools&apos; row (a plural name): they are installed.</extracomment>
        <translation>Installati</translation>
    </message>
    <message>
        <source>About 3 minutes · %1 free space</source>
        <translation>Circa 3&#xa0;minuti · %1 di spazio libero</translation>
    </message>
</context>
</TS>
