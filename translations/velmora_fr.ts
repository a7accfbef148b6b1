<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command comma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuildAdvice</name>
    <message>
        <source>Something went wrong while building the app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That installer doesn&apos;t contain the SimCity 3000 Unlimited game files. Use the GOG offline backup installer for SimCity 3000 Unlimited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game files in that installer aren&apos;t version 2.0.949(a), which is the release this project can build. Update it from GOG and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Xcode Command Line Tools got out of date or incomplete. Run xcode-select --install, then reopen this installer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your disk is full. Free about 5 GB, then build again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuildNotification</name>
    <message>
        <source>The build finished. Click to open the installer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to see what went wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The build was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to open the installer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora 3000 is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The build didn&apos;t finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuildStages</name>
    <message>
        <source>Check game installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unpack game files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepare native libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compile the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package the app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign for this Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking your game installer and the build tools.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unpacking the game files from your GOG installer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the native libraries and lifted code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compiling the native Mac app. This usually takes about 3 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packaging the app and its resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing the app for this Mac.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BuildTimings</name>
    <message>
        <source>less than a minute left</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build Velmora 3000 from your own GOG installer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>Only %@ free on this disk; the build needs about 5 GB. Free some space, then choose the installer again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %@ free on that disk; the app needs about %@. Free some space, then choose Move to Applications again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Finder asks Finder to make aliases of the app and of Applications, so you can drag the app into place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows executable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallerValidation</name>
    <message>
        <source>That file can&apos;t be read. Is it still on this Mac?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That file is too small to be the GOG installer (it should be about 560 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That isn&apos;t a Windows installer (.exe) file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That doesn&apos;t look like the GOG SimCity 3000 Unlimited installer. Look for setup_simcity_3000_unlimited_2.0.949(a)….exe in your GOG library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GOG 2.0.949(a) installer · %@ · ready to build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ · this build is not the known GOG 2.0.949(a) one, so the game files are checked after extraction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Installing</name>
    <message>
        <source>Could not exchange the two items.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move the item aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move the new item into place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying the app failed. Is the disk full?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The app was copied but couldn&apos;t be put in place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ already exists and wasn&apos;t made by this installer. Move or rename it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%@ couldn&apos;t be replaced. Check its permissions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>That download hasn&apos;t finished yet. Wait for it, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That&apos;s a Mac installer. This needs the Windows offline installer from GOG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That&apos;s an archive. Open it and use the installer (.exe) inside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That&apos;s a data part of the installer. Use the .exe beside it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageParts</name>
    <message>
        <source>%1, needs attention</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pipeline</name>
    <message>
        <source>Another build is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installer bundle is damaged (no source snapshot inside).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not unpack the build sources into Application Support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build has already run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The build sources are not prepared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start the build.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prerequisites</name>
    <message>
        <source>Follow Apple&apos;s prompt, then choose Check again when it finishes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple says the tools may already be installed or being installed. Choose Check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS could not open the installation. Run xcode-select --install in Terminal.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Checking %@…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build cancelled. You can try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Building Velmora 3000</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Snapshot</name>
    <message>
        <source>That doesn&apos;t look like the GOG offline installer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::BuildPage</name>
    <message>
        <source>Stage %1 of 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building Velmora 3000…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can keep this window open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::DBusNotificationPoster</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::DonePage</name>
    <message>
        <source>⌘ Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: resolution, scaling, text, camera, autosave, speed keys and simulation options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set game speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved ✓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your city is built. Open it now, or keep it with your other apps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before you play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If macOS blocks the game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> right-click it and choose Open, or go to System Settings → Privacy &amp; Security → Open Anyway. You only need to do this once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This app contains your copy of the game. Please keep it on this Mac and don&apos;t share or upload it. Your saves and settings stay in your user folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::ErrorPage</name>
    <message>
        <source>Log: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show log in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your original game installer hasn&apos;t been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose SimCity 3000 Unlimited version 2.0.949(a), then try again. Your build log can help if the problem continues.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerController</name>
    <message>
        <source>Choose your GOG SimCity 3000 Unlimited installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows installer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora 3000 Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t move the app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::InstallerPage</name>
    <message>
        <source>Bring your GOG installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We&apos;ll turn your copy into a native Mac app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop your GOG SimCity 3000 Unlimited installer here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the offline installer ending in .exe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file chosen yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your file stays on this Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First build: about 3 minutes and 5 GB of free space. The finished app contains your game files; keep it on this Mac.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::LogView</name>
    <message>
        <source>Build log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vlmr::WelcomePage</name>
    <message>
        <source>Xcode Command Line Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Python 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Silicon · macOS 15+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Apple&apos;s installer finishes, choose Check again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One thing to install first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It&apos;s a one-time download from Apple.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora 3000 builds the game on your Mac, so it needs Apple&apos;s free Xcode Command Line Tools. You don&apos;t need the full Xcode app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Command Line Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Homebrew or Terminal setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One quick check first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then we&apos;ll build your Mac version from your GOG copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✓  Ready to build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything happens on this Mac. Nothing is uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About 3 minutes · 5 GB free space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking again…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
