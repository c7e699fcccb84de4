<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CCheckNew</name>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="14"/>
        <source>Check for New Version</source>
        <translation>Nach neuer Version suchen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="61"/>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="68"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="191"/>
        <source>Brandquill will now look for a newer version on the Internet. You can change how often it checks, or turn the check off, in Settings.</source>
        <translation>Brandquill sucht jetzt im Internet nach einer neueren Version. In den Einstellungen können Sie festlegen, wie oft gesucht wird, oder die Suche ausschalten.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="246"/>
        <source>A new version of Brandquill is available: %1.
You are using version %2.</source>
        <translation>Eine neue Version von Brandquill ist verfügbar: %1.
Sie verwenden Version %2.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="249"/>
        <source>You are using the latest version of Brandquill (%1).</source>
        <translation>Sie verwenden die neueste Version von Brandquill (%1).</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="259"/>
        <source>Could not check for a new version. Please try again later.</source>
        <translation>Es konnte nicht nach einer neuen Version gesucht werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>CControlImage</name>
    <message>
        <location filename="../Project/Views/ControlImage.cpp" line="356"/>
        <source>This photo cannot be read.</source>
        <translation>Dieses Foto kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="399"/>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="432"/>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Filter &apos;%1&apos; wird angewendet</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="486"/>
        <source>Zooming</source>
        <translation>Zoomen</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="14"/>
        <source>About Brandquill</source>
        <translation>Über Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="66"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="79"/>
        <source>Batch photo editing in three steps: add your photos, choose the edits, process them all at once.</source>
        <translation>Stapelbearbeitung von Fotos in drei Schritten: Fotos hinzufügen, Bearbeitungen wählen, alle auf einmal verarbeiten.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="89"/>
        <source>Qt %1, ImageMagick %2</source>
        <translation>Qt %1, ImageMagick %2</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="138"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="26"/>
        <source>Select Filter</source>
        <translation>Filter auswählen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="55"/>
        <source>All Filters</source>
        <translation>Alle Filter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="80"/>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="105"/>
        <source>Decorate</source>
        <translation>Dekorieren</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="130"/>
        <source>Transform</source>
        <translation>Transformieren</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="189"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="199"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Filters/DialogFilterSelection.cpp" line="141"/>
        <source>No filter selected</source>
        <translation>Kein Filter ausgewählt</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="10"/>
        <location filename="../Project/Forms/CDialogFont.ui" line="21"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="35"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="57"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="63"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="68"/>
        <source>Underline</source>
        <translation>Unterstr.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="73"/>
        <source>Strike Out</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="110"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="116"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="14"/>
        <source>Ghostscript</source>
        <translation>Ghostscript</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="20"/>
        <source>Reading this document type needs Ghostscript, which could not be found.</source>
        <translation>Zum Lesen dieses Dokumenttyps wird Ghostscript benötigt, das nicht gefunden wurde.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="26"/>
        <source>Overwrite?</source>
        <translation>Überschreiben?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="216"/>
        <source>Y&amp;es</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="226"/>
        <source>N&amp;o</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="236"/>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="250"/>
        <source>&amp;Yes to All</source>
        <translation>Ja für &amp;alle</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="260"/>
        <source>&amp;No to All</source>
        <translation>N&amp;ein für alle</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="270"/>
        <source>&amp;Abort</source>
        <translation>Ab&amp;brechen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="84"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>Das Bild %1
existiert bereits. Möchten Sie es überschreiben?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="14"/>
        <source>Rename Photo</source>
        <translation>Foto umbenennen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="22"/>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="56"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="66"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwriteRename.cpp" line="70"/>
        <source>A photo with the same name already exists</source>
        <translation>Ein Foto mit diesem Namen existiert bereits</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="26"/>
        <source>Profile&apos;s Properties</source>
        <translation>Profileigenschaften</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="35"/>
        <source>Specify a name and description for this profile</source>
        <translation>Geben Sie einen Namen und eine Beschreibung für dieses Profil an</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="53"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="73"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="107"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="117"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSave.cpp" line="43"/>
        <source>Please specify a name for the new profile</source>
        <translation>Bitte geben Sie einen Namen für das neue Profil an</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="26"/>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="49"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="45"/>
        <source>All Profiles</source>
        <translation>Alle Profile</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="74"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="46"/>
        <source>My Profiles</source>
        <translation>Meine Profile</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="99"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="47"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="124"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="48"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="186"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="196"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="237"/>
        <source>No profile selected</source>
        <translation>Kein Profil ausgewählt</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="286"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="287"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="309"/>
        <source>Could not change the profile.</source>
        <translation>Das Profil konnte nicht geändert werden.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="321"/>
        <source>Are you sure you want to delete this profile?</source>
        <translation>Möchten Sie dieses Profil wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="326"/>
        <source>Could not delete the profile.</source>
        <translation>Das Profil konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="20"/>
        <source>Edit Names</source>
        <translation>Namen bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="49"/>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="98"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="123"/>
        <source>Cases</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="144"/>
        <source>Change cases to</source>
        <translation>Schreibweise ändern in</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="152"/>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="157"/>
        <source>lowercases</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="162"/>
        <source>UPPERCASES</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="167"/>
        <source>Mixed Cases</source>
        <translation>Gemischte Schreibung</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="188"/>
        <source>Use lower-case for extensions</source>
        <translation>Dateiendungen kleinschreiben</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="201"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="266"/>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="222"/>
        <source>Start at</source>
        <translation>Beginnen bei</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="242"/>
        <source>Step by</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="262"/>
        <source>Digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="285"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="267"/>
        <source>Date/Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="306"/>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="314"/>
        <source>Original photo date</source>
        <translation>Aufnahmedatum des Fotos</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="319"/>
        <source>Current date</source>
        <translation>Aktuelles Datum</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="327"/>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="398"/>
        <source>Time format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="424"/>
        <source>Show time as</source>
        <translation>Uhrzeit anzeigen als</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="448"/>
        <source>Search &amp;&amp; Replace</source>
        <translation>Suchen &amp;&amp; Ersetzen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="469"/>
        <source>Search for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="480"/>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="509"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="529"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="539"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="263"/>
        <source>Source Filename</source>
        <translation>Quelldateiname</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="264"/>
        <source>Source Folder Name</source>
        <translation>Quellordnername</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="265"/>
        <source>Source Extension</source>
        <translation>Quelldateiendung</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="14"/>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="32"/>
        <source>Your settings have changed. Would you like to save them as a profile before Brandquill closes?</source>
        <translation>Ihre Einstellungen wurden geändert. Möchten Sie sie als Profil speichern, bevor Brandquill beendet wird?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="60"/>
        <source>Don&apos;t ask me again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="80"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="90"/>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="100"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="14"/>
        <source>Search and Add</source>
        <translation>Suchen und hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="25"/>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="45"/>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="55"/>
        <source>File mask:</source>
        <translation>Dateimaske:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="115"/>
        <source>Search in subfolders</source>
        <translation>In Unterordnern suchen</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="14"/>
        <source>Share Brandquill</source>
        <translation>Brandquill weiterempfehlen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="26"/>
        <source>Enjoying Brandquill? Tell your friends about it.</source>
        <translation>Gefällt Ihnen Brandquill? Erzählen Sie Ihren Freunden davon.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="57"/>
        <source>E-mail a Friend</source>
        <translation>Per E-Mail empfehlen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="82"/>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="107"/>
        <source>Visit Web Site</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="143"/>
        <source>Don&apos;t show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="163"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="46"/>
        <source>Try Brandquill</source>
        <translation>Probieren Sie Brandquill aus</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="48"/>
        <source>I edit many photos at once with Brandquill: %1</source>
        <translation>Ich bearbeite viele Fotos auf einmal mit Brandquill: %1</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="92"/>
        <source>Tip text</source>
        <translation>Tipptext</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="123"/>
        <source>Don&apos;t show this tip again</source>
        <translation>Diesen Tipp nicht mehr anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="143"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="14"/>
        <source>Unsupported Files</source>
        <translation>Nicht unterstützte Dateien</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="23"/>
        <source>These files were not added because Brandquill cannot read their format:</source>
        <translation>Diese Dateien wurden nicht hinzugefügt, weil Brandquill ihr Format nicht lesen kann:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="61"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="31"/>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="52"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="57"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
</context>
<context>
    <name>CFilterLogo</name>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="39"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="75"/>
        <source>Logo Path</source>
        <translation>Logo-Pfad</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="130"/>
        <source>Browse</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="154"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="181"/>
        <source>Placement</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="233"/>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="291"/>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="349"/>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="373"/>
        <source>Offset X</source>
        <translation>Versatz X</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="415"/>
        <source>Offset Y</source>
        <translation>Versatz Y</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="457"/>
        <source>Transformation</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="484"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="895"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1117"/>
        <source>Alpha (%)</source>
        <translation>Transparenz (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="542"/>
        <source>Scale (%)</source>
        <translation>Größe (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="600"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1315"/>
        <source>Blur</source>
        <translation>Unschärfe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="642"/>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="756"/>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="789"/>
        <source>Stroke</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="816"/>
        <source>Enable Stroke</source>
        <translation>Kontur aktivieren</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="840"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1062"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="953"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1011"/>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1038"/>
        <source>Draw Shadow</source>
        <translation>Schatten zeichnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1175"/>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1217"/>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="169"/>
        <source>Select Watermark Image</source>
        <translation>Wasserzeichenbild auswählen</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="29"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Lower</source>
        <translation>Vertieft</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Raise</source>
        <translation>Erhaben</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="14"/>
        <location filename="../Project/Filters/FilterResize.cpp" line="41"/>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="19"/>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="33"/>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="49"/>
        <source>Resize by</source>
        <translation>Größe nach</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="65"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="91"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="114"/>
        <source>Maintain aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="119"/>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>Kleinere Bilder als die angegebene
Größe nicht vergrößern</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Width &amp; Height</source>
        <translation>Breite &amp; Höhe</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width</source>
        <translation>Feste Breite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Height</source>
        <translation>Feste Höhe</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width &amp; Height</source>
        <translation>Feste Breite &amp; Höhe</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="17"/>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="52"/>
        <source>Rotate Left</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="59"/>
        <source>Rotate Right</source>
        <translation>Rechts drehen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="75"/>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>All Photos</source>
        <translation>Alle Fotos</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Portrait</source>
        <translation>Nur Hochformat</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Landscape</source>
        <translation>Nur Querformat</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="55"/>
        <source>Edges</source>
        <translation>Kanten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="76"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="81"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Sharp</source>
        <translation>Scharf</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Blurred</source>
        <translation>Weich</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Pixels</source>
        <translation>in Pixel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Percents</source>
        <translation>in Prozent</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="39"/>
        <location filename="../Project/Forms/CFilterText.ui" line="75"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="109"/>
        <source>Copyright [Copyright] Quorvelline</source>
        <translation>Copyright [Copyright] Quorvelline</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="134"/>
        <source>Add Keyword</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="170"/>
        <location filename="../Project/Forms/CFilterText.ui" line="197"/>
        <source>Placement</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="249"/>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="307"/>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="365"/>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="389"/>
        <source>Offset X</source>
        <translation>Versatz X</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="431"/>
        <source>Offset Y</source>
        <translation>Versatz Y</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="473"/>
        <source>Rotation (°)</source>
        <translation>Drehung (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="571"/>
        <source>Line spacing (px)</source>
        <translation>Zeilenabst.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="645"/>
        <location filename="../Project/Forms/CFilterText.ui" line="681"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="708"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="727"/>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="763"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1044"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1318"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1540"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="818"/>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="837"/>
        <source>Browse</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="862"/>
        <source>Cannot be read</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="893"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1099"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1373"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1595"/>
        <source>Alpha (%)</source>
        <translation>Transparenz (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="951"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1793"/>
        <source>Blur</source>
        <translation>Unschärfe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="993"/>
        <source>Stroke</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1020"/>
        <source>Enable Stroke</source>
        <translation>Kontur aktivieren</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1157"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1231"/>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1267"/>
        <source>Box</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1294"/>
        <source>Draw Bounding-Box</source>
        <translation>Kasten zeichnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1431"/>
        <source>Offset (%)</source>
        <translation>Abstand (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1489"/>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1516"/>
        <source>Draw Shadow</source>
        <translation>Schatten zeichnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1653"/>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1695"/>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Center</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Middle-Right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Center</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="442"/>
        <source>Select Watermark Image</source>
        <translation>Wasserzeichenbild auswählen</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="454"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="455"/>
        <source>Registered</source>
        <translation>Eingetragene Marke</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="456"/>
        <source>Trademark</source>
        <translation>Marke</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="457"/>
        <source>Servicemark</source>
        <translation>Dienstleistungsmarke</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="460"/>
        <source>Source Filename</source>
        <translation>Quelldateiname</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="461"/>
        <source>Source Extension</source>
        <translation>Quelldateiendung</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="462"/>
        <source>Source Folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="463"/>
        <source>Source Path</source>
        <translation>Quellpfad</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="29"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>Auf transparentem Hintergrund zeichnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>Zufälligen Rahmen verwenden</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="48"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="83"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="196"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="309"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="509"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="824"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1024"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1183"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1442"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="54"/>
        <source>There are no settings for this format</source>
        <translation>Für dieses Format gibt es keine Einstellungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="123"/>
        <source>Default format</source>
        <translation>Standardformat</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="236"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="436"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="751"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1110"/>
        <source>Interlace Type</source>
        <translation>Zeilensprung</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="349"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="549"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="923"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1282"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1482"/>
        <source>Size/Quality</source>
        <translation>Größe/Qualität</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="636"/>
        <source>Fixed Size (KB)</source>
        <translation>Feste Größe (KB)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="692"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1369"/>
        <source>Colors/BitDepth</source>
        <translation>Farben/Bittiefe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="864"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1223"/>
        <source>Compression</source>
        <translation>Komprimierung</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1064"/>
        <source>Use best compression (slower writing speed)</source>
        <translation>Beste Komprimierung (langsameres Schreiben)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1573"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1596"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1606"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="114"/>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="142"/>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="382"/>
        <source>Load Profile</source>
        <translation>Profil laden</translation>
    </message>
</context>
<context>
    <name>CFtpClient</name>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="53"/>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="180"/>
        <source>A name or account text holds a line break; it was not sent.</source>
        <translation>Ein Name oder Kontotext enthält einen Zeilenumbruch; er wurde nicht gesendet.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="201"/>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="228"/>
        <source>Not connected.</source>
        <translation>Nicht verbunden.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="276"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="284"/>
        <source>Aborted.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="325"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="351"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="356"/>
        <source>reply too long</source>
        <translation>Antwort zu lang</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="555"/>
        <source>listing too long</source>
        <translation>Auflistung zu lang</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="475"/>
        <source>the transfer ended before the whole file was sent</source>
        <translation>die Übertragung endete, bevor die ganze Datei gesendet war</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Top</source>
        <translation>Links oben</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Top</source>
        <translation>Rechts oben</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Bottom</source>
        <translation>Rechts unten</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Bottom</source>
        <translation>Links unten</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="153"/>
        <source>Uncalibrated</source>
        <translation>Nicht kalibriert</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="13"/>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="54"/>
        <source>&amp;Add Photos</source>
        <translation>&amp;Fotos wählen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="61"/>
        <source>A&amp;dd...</source>
        <translation>Hin&amp;zufügen...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="68"/>
        <source>Re&amp;move</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="75"/>
        <source>V&amp;iew</source>
        <translation>Ansi&amp;cht</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="88"/>
        <source>&amp;Show preview</source>
        <translation>&amp;Vorschau anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="71"/>
        <source>Add the photos you want to edit</source>
        <translation>Fügen Sie die Fotos hinzu, die Sie bearbeiten möchten</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="73"/>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Gehen Sie zu Schritt 2 und legen Sie fest, wie Ihre Fotos bearbeitet werden sollen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="109"/>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Ziehen Sie Ihre Fotos hierher</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="110"/>
        <source>Or Click To Add Photos</source>
        <translation>Oder klicken Sie, um Fotos hinzuzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="180"/>
        <source>Select Photo(s)</source>
        <translation>Foto(s) auswählen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="212"/>
        <source>Browse For Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="319"/>
        <source>No photos selected</source>
        <translation>Keine Fotos ausgewählt</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="322"/>
        <source>Remove selected photo(s) from the list?</source>
        <translation>Ausgewählte Fotos aus der Liste entfernen?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="370"/>
        <source>Remove all photos from the list?</source>
        <translation>Alle Fotos aus der Liste entfernen?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="400"/>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="401"/>
        <source>F&amp;older with Subfolders</source>
        <translation>Ordner mit &amp;Unterordnern</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="402"/>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="234"/>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>&amp;Suchen &amp;&amp; hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="409"/>
        <source>&amp;Selected</source>
        <translation>&amp;Ausgewählte</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="410"/>
        <source>&amp;All</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>F-stop</source>
        <translation>Blende</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Small Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Medium Icons</source>
        <translation>&amp;Mittelgroße Symbole</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Large Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="232"/>
        <source>Add &amp;Photo(s)</source>
        <translation>Foto(s) &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="233"/>
        <source>Add &amp;Folder</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="235"/>
        <source>Pas&amp;te</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="239"/>
        <source>Remove S&amp;elected</source>
        <translation>Ausgewählte &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="240"/>
        <source>Remove &amp;All</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="259"/>
        <source>%1 (the name is not valid UTF-8)</source>
        <translation>%1 (der Name ist kein gültiges UTF-8)</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="41"/>
        <source>Graphic Filters</source>
        <translation>Grafikfilter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="96"/>
        <source>Add Filter</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="109"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="122"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="159"/>
        <source>Edit Names</source>
        <translation>Namen bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="171"/>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="216"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="236"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="314"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="303"/>
        <source>Sh&amp;ow preview</source>
        <translation>&amp;Vorschau anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="376"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="601"/>
        <source>S&amp;witch View</source>
        <translation>&amp;Wechseln</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="101"/>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Fügen Sie einen Grafikfilter hinzu, der auf alle in Schritt 1 hinzugefügten Fotos angewendet wird</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="103"/>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Gehen Sie zu Schritt 3 und wählen Sie den Ausgabeordner und das Bildformat für die bearbeiteten Fotos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Keep Unchanged</source>
        <translation>Unverändert lassen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Nach Ordnernamen umbenennen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Nach Aufnahmedatum umbenennen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Custom Defined</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="174"/>
        <location filename="../Project/Interface/MainPanel2.cpp" line="265"/>
        <source>No filter selected</source>
        <translation>Kein Filter ausgewählt</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="280"/>
        <source>Remove selected filter(s)?</source>
        <translation>Ausgewählte Filter entfernen?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="297"/>
        <source>Remove all filters?</source>
        <translation>Alle Filter entfernen?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="375"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="377"/>
        <source>&amp;Add Filter</source>
        <translation>Filter &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="379"/>
        <source>Remove &amp;Selected</source>
        <translation>&amp;Ausgewählte entfernen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="380"/>
        <source>Remove A&amp;ll</source>
        <translation>A&amp;lle entfernen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="382"/>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="384"/>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="385"/>
        <source>Move D&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="392"/>
        <source>Remove Selected</source>
        <translation>Ausgewählte entfernen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="393"/>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="57"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="63"/>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="123"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="215"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="133"/>
        <source>Selec&amp;t</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="157"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="242"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="260"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="284"/>
        <source>Also save on My Computer</source>
        <translation>Auch auf meinem Computer speichern</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="181"/>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="191"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="205"/>
        <source>Host</source>
        <translation>Server</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="225"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="317"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="323"/>
        <source>Output Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="355"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="362"/>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>Ein einziges &amp;mehrseitiges Dokument aus allen Fotos erstellen (nur für PDF, TIF, GIF)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="378"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="384"/>
        <source>&amp;Open output folder after processing</source>
        <translation>Ausgabeordner nach der Verarbeitung &amp;öffnen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="391"/>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>Datum und Attribute des Originals für das Ausgabefoto über&amp;nehmen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="398"/>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>Quellfoto nach der Verarbeitung &amp;löschen (Foto verschieben)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="65"/>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Wenn Sie bereit sind, wenden Sie die Änderungen auf Ihre Fotos an</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="190"/>
        <source>Folder on My Computer (default)</source>
        <translation>Ordner auf meinem Computer (Standard)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="193"/>
        <source>Send via E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="197"/>
        <source>Upload to FTP</source>
        <translation>Per FTP hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="71"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="201"/>
        <source>Upload to Flickr</source>
        <translation>Zu Flickr hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="77"/>
        <source>Use selected folder as output destination</source>
        <translation>Ausgewählten Ordner als Ziel verwenden</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="78"/>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Ursprüngliche Ordnerstruktur im ausgewählten Ordner nachbilden</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="79"/>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Ordner der Originalfotos als Ziel verwenden</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="80"/>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Unterordner im Ordner der Originalfotos erstellen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="225"/>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Sie haben gewählt, die fertigen Fotos in denselben Ordner zu schreiben, in dem sich die Originale befinden.

Wenn Sie die Originale behalten und die fertigen Fotos trotzdem in denselben Ordner schreiben möchten, müssen Sie den Namen der verarbeiteten Fotos unter Schritt 2 &gt; Namen ändern</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="274"/>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Ordner zum Speichern der fertigen Fotos auswählen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="308"/>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.</source>
        <translation>Sie haben gewählt, die Originalfotos nach dem Schreiben der verarbeiteten Fotos zu löschen. Wir empfehlen Ihnen, die Originale zu sichern, bevor Sie diese Option zum ersten Mal verwenden.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="311"/>
        <source>This action will only delete the originals if the processed photos are correctly written.</source>
        <translation>Die Originale werden nur gelöscht, wenn die verarbeiteten Fotos korrekt geschrieben wurden.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="314"/>
        <source>In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss</source>
        <translation>Wenn keine Filter ausgewählt sind, werden die Fotos sehr schnell verschoben und gegebenenfalls umbenannt, ohne Qualitätsverlust</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>the server did not confirm that the name it was sent under was free</source>
        <translation>der Server hat nicht bestätigt, dass der Name, unter dem sie gesendet wurde, frei war</translation>
    </message>
    <message>
        <source>Upload incomplete: %1 of %2 picture(s) sent.</source>
        <translation>Hochladen unvollständig: %1 von %2 Bild(ern) gesendet.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="14"/>
        <source>Brandquill - Processing</source>
        <translation>Brandquill - Verarbeitung</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="76"/>
        <location filename="../Project/Forms/CProcessController.ui" line="105"/>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="169"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="179"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="202"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="134"/>
        <source>Show log</source>
        <translation>Protokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="126"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="661"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="222"/>
        <source>Process started at %1</source>
        <translation>Verarbeitung gestartet um %1</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="223"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>Verarbeitung von %1 Bildern mit %2 Grafikfilter(n) pro Bild.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="228"/>
        <source>Creating a single multi-page document.</source>
        <translation>Ein einzelnes mehrseitiges Dokument wird erstellt.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="230"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>System: %1 CPU-Kern(e) erkannt.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="231"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>%1 Ausführungs-Thread(s) werden gestartet.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="243"/>
        <source>Failed to load</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="418"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>Die Fotoverarbeitung ist nicht abgeschlossen. Vorgang abbrechen?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="431"/>
        <source>Upload not completed. Abort the operation?</source>
        <translation>Das Hochladen ist nicht abgeschlossen. Vorgang abbrechen?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="532"/>
        <source>Process interrupted by the user.</source>
        <translation>Verarbeitung vom Benutzer unterbrochen.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="536"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Warnung: Verarbeitung mit %1 Fehlern abgeschlossen. Einzelheiten finden Sie im Protokoll oben.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="537"/>
        <source>Process completed without errors.</source>
        <translation>Verarbeitung ohne Fehler abgeschlossen.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="543"/>
        <source>Time elapsed</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="567"/>
        <source>Could not save log.</source>
        <translation>Das Protokoll konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="577"/>
        <source>Temporary files kept in %1.</source>
        <translation>Temporäre Dateien bleiben in %1.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="599"/>
        <source>Nothing to upload: the run produced no file to send.</source>
        <translation>Nichts hochzuladen: Der Durchlauf hat keine Datei zum Senden erzeugt.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to </source>
        <translation>Hochladen nach </translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to Flickr</source>
        <translation>Hochladen zu Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="662"/>
        <source>Uploading</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="700"/>
        <source>Successfuly uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>%1 Bild(er) erfolgreich hochgeladen.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="707"/>
        <source>Deleting temporary files...</source>
        <translation>Temporäre Dateien werden gelöscht...</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload completed.</source>
        <translation>Hochladen abgeschlossen.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload failed.</source>
        <translation>Hochladen fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Source kept</source>
        <translation>Quelle behalten</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="157"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="342"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="424"/>
        <location filename="../Project/Processing/CProcessThreadCommit.cpp" line="46"/>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>Failed to write</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="158"/>
        <source>the output folder is not a full path</source>
        <translation>der Ausgabeordner ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="261"/>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="36"/>
        <source>Failed to load</source>
        <translation>Laden fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="272"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="277"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="278"/>
        <source>not readable as an image</source>
        <translation>nicht als Bild lesbar</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="303"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>Filter &apos;%1&apos; konnte nicht angewendet werden auf</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="371"/>
        <source>no writable image format has the extension &quot;%1&quot;</source>
        <translation>kein beschreibbares Bildformat hat die Endung &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="373"/>
        <source>the image library gave no reason</source>
        <translation>die Bildbibliothek nannte keinen Grund</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="379"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="433"/>
        <source>Written from a damaged photo</source>
        <translation>Aus einem beschädigten Foto geschrieben</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="377"/>
        <source>Written without %1:</source>
        <translation>Ohne %1 geschrieben:</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="385"/>
        <source>Size limit of %1 KB not met, %2 bytes written at the lowest quality</source>
        <translation>Größenlimit von %1 KB nicht erreicht, %2 Byte in niedrigster Qualität geschrieben</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="392"/>
        <source>Not written by this run, left as it was</source>
        <translation>In diesem Durchlauf nicht geschrieben, unverändert belassen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="489"/>
        <source>Processed</source>
        <translation>Verarbeitet</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="491"/>
        <source>Processed and renamed</source>
        <translation>Verarbeitet und umbenannt</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="493"/>
        <source>Processed and replaced</source>
        <translation>Verarbeitet und ersetzt</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="495"/>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="564"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Rename and Move</source>
        <translation>Umbenennen und Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Move</source>
        <translation>Verschieben fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Rename and Copy</source>
        <translation>Umbenennen und Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Copy</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="72"/>
        <source>Damaged photo copied, its source kept</source>
        <translation>Beschädigtes Foto kopiert, Quelle beibehalten</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="74"/>
        <source>Copied, its source kept</source>
        <translation>Kopiert, Quelle beibehalten</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="227"/>
        <source>Written as</source>
        <translation>Geschrieben als</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken meanwhile</source>
        <translation>der Name wurde inzwischen vergeben</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken</source>
        <translation>der Name war vergeben</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>not a full path to a file</source>
        <translation>kein vollständiger Pfad zu einer Datei</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="745"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="466"/>
        <source>Source changed since it was read, left as it is</source>
        <translation>Quelle seit dem Lesen verändert, unverändert belassen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="768"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="484"/>
        <source>Failed to delete the source</source>
        <translation>Löschen der Quelle fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="412"/>
        <source>Put back as it was before a run that was cut short</source>
        <translation>Wiederhergestellt wie vor einem abgebrochenen Durchlauf</translation>
    </message>
</context>
<context>
    <name>CScripts</name>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="31"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>Das Projekt wurde mit einer anderen Programmversion erstellt und wird möglicherweise nicht korrekt importiert.
Um mögliche Probleme zu beheben, passen Sie die Einstellungen an und speichern Sie.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="46"/>
        <source>%1 &apos;%2&apos; is not a number: read as 0</source>
        <translation>%1 &apos;%2&apos; ist keine Zahl: als 0 gelesen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="49"/>
        <source>%1 &apos;%2&apos; is not a whole number in its range: read as %3</source>
        <translation>%1 &apos;%2&apos; ist keine ganze Zahl in ihrem Bereich: als %3 gelesen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="54"/>
        <source>The job file cannot be read.</source>
        <translation>Die Auftragsdatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="56"/>
        <source>The job file is larger than %1 MiB.</source>
        <translation>Die Auftragsdatei ist größer als %1 MiB.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="59"/>
        <source>The job file is not a well-formed XML document.</source>
        <translation>Die Auftragsdatei ist kein wohlgeformtes XML-Dokument.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="61"/>
        <source>The job file declares entities, which job files never hold.</source>
        <translation>Die Auftragsdatei deklariert Entitäten, die Auftragsdateien nie enthalten.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="63"/>
        <source>The job file nests its elements more than %1 deep.</source>
        <translation>Die Auftragsdatei verschachtelt ihre Elemente tiefer als %1 Ebenen.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="66"/>
        <source>The job file holds more than %1 elements.</source>
        <translation>Die Auftragsdatei enthält mehr als %1 Elemente.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="80"/>
        <source>The job file holds more than %1 filters.</source>
        <translation>Die Auftragsdatei enthält mehr als %1 Filter.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="83"/>
        <source>A filter of the job file holds more than %1 numbers or %2 texts.</source>
        <translation>Ein Filter der Auftragsdatei enthält mehr als %1 Zahlen oder %2 Texte.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="88"/>
        <source>The job file holds more than %1 photos.</source>
        <translation>Die Auftragsdatei enthält mehr als %1 Fotos.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="91"/>
        <source>The job file holds a text longer than %1 characters.</source>
        <translation>Die Auftragsdatei enthält einen Text mit mehr als %1 Zeichen.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="138"/>
        <source>The job file does not hold exactly one list of photos.</source>
        <translation>Die Auftragsdatei enthält nicht genau eine Fotoliste.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="201"/>
        <source>The job file names a destination that Step 3 does not offer (%1). Folder on My Computer is used instead.</source>
        <translation>Die Auftragsdatei nennt ein Ziel, das Schritt 3 nicht anbietet (%1). Stattdessen wird „Ordner auf meinem Computer“ verwendet.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="309"/>
        <source>Search &apos;%1&apos;: the folder &apos;%2&apos; does not exist or cannot be read</source>
        <translation>Suche &apos;%1&apos;: Der Ordner &apos;%2&apos; existiert nicht oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="355"/>
        <source>Filter Id %1 is not known: left out</source>
        <translation>Filter-Id %1 ist unbekannt: ausgelassen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="365"/>
        <source>%1: Param Type &apos;%2&apos; is not known: left out</source>
        <translation>%1: Param-Type &apos;%2&apos; ist unbekannt: ausgelassen</translation>
    </message>
    <message>
        <source>and %1 more like it</source>
        <translation>und %1 weitere dieser Art</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="52"/>
        <source>Search: the name of &apos;%1&apos; is not valid UTF-8: left untouched</source>
        <translation>Suche: Der Name von &apos;%1&apos; ist kein gültiges UTF-8: unverändert belassen</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="26"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="36"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="62"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="128"/>
        <source>Use multicore processors for speeding up image processing</source>
        <translation>Mehrkernprozessoren für schnellere Verarbeitung nutzen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="135"/>
        <source>Create detailed log file with the processed images</source>
        <translation>Ausführliches Protokoll der verarbeiteten Bilder erstellen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="149"/>
        <source>Show profiles window at startup</source>
        <translation>Profilfenster beim Start anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="156"/>
        <source>Show wizard window at startup</source>
        <translation>Assistentenfenster beim Start anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="170"/>
        <source>Check for new versions at startup</source>
        <translation>Beim Start nach neuen Versionen suchen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="182"/>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="230"/>
        <source>Image Formats</source>
        <translation>Bildformate</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="254"/>
        <source>Multipage Settings</source>
        <translation>Mehrseitige Dokumente</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="261"/>
        <source>Layer Configuration</source>
        <translation>Ebenen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="295"/>
        <source>RAW Settings</source>
        <translation>RAW-Einstellungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="304"/>
        <source>Demosaicing</source>
        <translation>Demosaicing</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="333"/>
        <source>White Balance</source>
        <translation>Weißabgleich</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="362"/>
        <source>Highlights</source>
        <translation>Lichter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="423"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="433"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="62"/>
        <source>Help with translation</source>
        <translation>Bei der Übersetzung helfen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a week</source>
        <translation>Einmal pro Woche</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Every two weeks</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a month</source>
        <translation>Einmal im Monat</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="75"/>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Save each layer as a separate image (default)</source>
        <translation>Jede Ebene als Bild speichern (Standard)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Flatten all layers</source>
        <translation>Alle Ebenen zusammenfügen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="77"/>
        <source>Save the first layer only</source>
        <translation>Nur die erste Ebene speichern</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="80"/>
        <source>Auto, best algorithm for camera model</source>
        <translation>Automatisch (bester für die Kamera)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Use camera&apos;s settings</source>
        <translation>Kameraeinstellungen verwenden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Average the entire image</source>
        <translation>Über das ganze Bild mitteln</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Don&apos;t apply</source>
        <translation>Nicht anwenden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="87"/>
        <source>Clip all</source>
        <translation>Alle beschneiden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="88"/>
        <source>Leave unclipped</source>
        <translation>Unbeschnitten lassen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="89"/>
        <source>Blend clipped and unclipped values</source>
        <translation>Beschnittene und unbeschnittene Werte mischen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="91"/>
        <source>Reconstruct</source>
        <translation>Rekonstruieren</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="127"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>Sie müssen Brandquill neu starten, damit die Änderungen wirksam werden.</translation>
    </message>
</context>
<context>
    <name>CTemporaryRecord</name>
    <message>
        <location filename="../Project/Core/TemporaryRecord.cpp" line="110"/>
        <source>Temporary files cannot be recorded in %1: %2. Those of a run killed now would be left behind.</source>
        <translation>Temporäre Dateien können nicht in %1 verzeichnet werden: %2. Die eines jetzt abgebrochenen Laufs blieben zurück.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>Failed to upload %1: %2; the server may keep what it received</source>
        <translation>%1 konnte nicht hochgeladen werden: %2; der Server behält eventuell, was er erhalten hat</translation>
    </message>
    <message>
        <source>%1 not sent: the upload ended first</source>
        <translation>%1 nicht gesendet: das Hochladen endete vorher</translation>
    </message>
    <message>
        <source>%1 sent as %2, a name the server did not confirm free</source>
        <translation>%1 als %2 gesendet, ein Name, den der Server nicht als frei bestätigt hat</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="100"/>
        <source>Upload interrupted by the user.</source>
        <translation>Hochladen vom Benutzer unterbrochen.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="147"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="143"/>
        <source>Could not open default mail client.</source>
        <translation>Das Standard-E-Mail-Programm konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="144"/>
        <source>The photos are kept in %1.</source>
        <translation>Die Fotos bleiben in %1.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="145"/>
        <source>The message and its photos are kept in %1.</source>
        <translation>Die Nachricht und ihre Fotos bleiben in %1.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="177"/>
        <source>The message with %1 photo(s) was handed to the mail program.</source>
        <translation>Die Nachricht mit %1 Foto(s) wurde an das E-Mail-Programm übergeben.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="180"/>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="181"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Brandquill may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>Dateien erfolgreich angehängt. Wir empfehlen, die temporären Dateien zu löschen, die Brandquill dabei eventuell erstellt hat (tun Sie dies erst, nachdem Sie Ihre E-Mail gesendet haben). Temporäre Dateien jetzt löschen?</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="53"/>
        <source>Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.</source>
        <translation>Hochladen zu Flickr ist nicht verfügbar: Diese Kopie von Brandquill wurde ohne Flickr-API-Schlüssel erstellt.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="133"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="171"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>Flickr authorisation failed: %1</source>
        <translation>Flickr-Autorisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="152"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="213"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="219"/>
        <source>Failed to upload %1 to Flickr: %2</source>
        <translation>%1 konnte nicht zu Flickr hochgeladen werden: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>the web browser could not be opened</source>
        <translation>der Webbrowser konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="192"/>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="193"/>
        <source>Allow Brandquill to upload to your Flickr account in the browser window that has opened, then type the code that Flickr shows:</source>
        <translation>Erlauben Sie Brandquill im geöffneten Browserfenster, in Ihr Flickr-Konto hochzuladen, und geben Sie dann den Code ein, den Flickr anzeigt:</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="201"/>
        <source>Flickr authorisation was cancelled.</source>
        <translation>Die Flickr-Autorisierung wurde abgebrochen.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="214"/>
        <source>the name holds a line break</source>
        <translation>der Name enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="98"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="164"/>
        <source>Could not connect to %1: %2</source>
        <translation>Verbindung zu %1 nicht möglich: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="105"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="167"/>
        <source>Login to %1 failed: %2</source>
        <translation>Anmeldung bei %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="114"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="170"/>
        <source>Could not open the folder %1 on the server: %2</source>
        <translation>Der Ordner %1 auf dem Server konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="199"/>
        <source>Could not list the folder %1 on the server: %2</source>
        <translation>Der Ordner %1 auf dem Server konnte nicht aufgelistet werden: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="132"/>
        <source>Could not check the names in the folder %1 on the server, so files there of the same name may be replaced: %2</source>
        <translation>Die Namen im Ordner %1 auf dem Server konnten nicht geprüft werden, daher werden dort gleichnamige Dateien eventuell ersetzt: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="149"/>
        <source>%1 replaced %2 on the server</source>
        <translation>%1 hat %2 auf dem Server ersetzt</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="143"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="176"/>
        <source>Failed to upload %1: %2</source>
        <translation>%1 konnte nicht hochgeladen werden: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="135"/>
        <source>%1 sent as %2: the name was taken</source>
        <translation>%1 gesendet als %2: der Name war vergeben</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="164"/>
        <source>%1 attached as %2: the name was taken</source>
        <translation>%1 angehängt als %2: der Name war vergeben</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="14"/>
        <location filename="../Project/Forms/CWizardStart.ui" line="24"/>
        <source>Welcome to Brandquill</source>
        <translation>Willkommen bei Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="30"/>
        <source>Brandquill edits many photos in one go. 1 Add Photos: add the photos you want to edit. 2 Edit Photos: choose text or logo marks, frames, shadow, crop, resize or rotate. 3 Setup: choose the output folder and image format. Then select Process.</source>
        <translation>Brandquill bearbeitet viele Fotos in einem Durchgang. 1 Fotos hinzufügen: Fügen Sie die Fotos hinzu, die Sie bearbeiten möchten. 2 Fotos bearbeiten: Wählen Sie Text- oder Logomarken, Rahmen, Schatten, Zuschneiden, Größe ändern oder Drehen. 3 Einrichten: Wählen Sie den Ausgabeordner und das Bildformat. Wählen Sie dann Verarbeiten.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="45"/>
        <source>Take the Quick Tour</source>
        <translation>Kurze Einführung ansehen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="83"/>
        <source>Show this wizard when Brandquill starts</source>
        <translation>Diesen Assistenten beim Start von Brandquill anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CWizardStart.cpp" line="54"/>
        <source>Batch photo processing</source>
        <translation>Stapelverarbeitung von Fotos</translation>
    </message>
</context>
<context>
    <name>FilterBlank</name>
    <message>
        <location filename="../Project/Forms/FilterBlank.ui" line="23"/>
        <source>There are no settings for this filter</source>
        <translation>Für diesen Filter gibt es keine Einstellungen</translation>
    </message>
</context>
<context>
    <name>FilterCrop</name>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="14"/>
        <source>Original image size:</source>
        <translation>Originalgröße:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="19"/>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="33"/>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="49"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="75"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="101"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="127"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>FilterRaise</name>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="14"/>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="41"/>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
</context>
<context>
    <name>FilterSettings</name>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="43"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="128"/>
        <source>This is the watermark!</source>
        <translation>Das ist das Wasserzeichen!</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="141"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="219"/>
        <source>&amp;Show preview</source>
        <translation>&amp;Vorschau anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="386"/>
        <source>S&amp;witch View</source>
        <translation>Ansicht &amp;wechseln</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="421"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="465"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="499"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>FilterShadow</name>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="14"/>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="38"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="65"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="88"/>
        <source>Draw over a white background</source>
        <translation>Auf weißem Hintergrund zeichnen</translation>
    </message>
</context>
<context>
    <name>FilterSimpleBorder</name>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="17"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="42"/>
        <source>Dimensions</source>
        <translation>Maße</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="58"/>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="83"/>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="108"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="133"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="155"/>
        <source>Use uniform dimensions</source>
        <translation>Einheitliche Abmessungen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="93"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="108"/>
        <source>Wi&amp;zard</source>
        <translation>Assi&amp;stent</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="120"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="124"/>
        <source>&amp;Tutorials</source>
        <translation>&amp;Tutorials</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="139"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="148"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="161"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="169"/>
        <source>&amp;Load Profile</source>
        <translation>Profil &amp;laden</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="172"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="177"/>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="182"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Save Profile As</source>
        <translation>Profil speichern unter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="187"/>
        <source>Save Script</source>
        <translation>Skript speichern</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="192"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Save Script As</source>
        <translation>Skript speichern unter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="197"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="202"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="205"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="213"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="216"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="224"/>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="229"/>
        <source>Show &amp;Log</source>
        <translation>&amp;Protokoll anzeigen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="234"/>
        <source>Select Pr&amp;ofile</source>
        <translation>Pr&amp;ofil auswählen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="239"/>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Schritt 1 - &amp;Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="247"/>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Schritt 2 - Fotos &amp;bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="255"/>
        <source>Step 3 - &amp;Setup</source>
        <translation>Schritt 3 - &amp;Einrichten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="263"/>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Process</source>
        <translation>Verarbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="271"/>
        <source>&amp;Help Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="276"/>
        <source>Check for &amp;New Version</source>
        <translation>Nach &amp;neuer Version suchen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="281"/>
        <source>&amp;Online Support</source>
        <translation>&amp;Online-Support</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="286"/>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="291"/>
        <source>&amp;About Us</source>
        <translation>Ü&amp;ber uns</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="296"/>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>So &amp;skalieren und drehen Sie Fotos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="291"/>
        <source>The settings could not be saved to %1. Changes to them will be lost.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Änderungen daran gehen verloren.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="388"/>
        <source>The log file will be created after the first processing session.</source>
        <translation>Die Protokolldatei wird nach der ersten Verarbeitung erstellt.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowTheme.cpp" line="122"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>Starten Sie Brandquill neu, damit die Änderungen wirksam werden.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="37"/>
        <source>Wizard Steps</source>
        <translation>Assistentenschritte</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Edit Photos</source>
        <translation>Fotos bearbeiten</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Setup</source>
        <translation>Einrichten</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="66"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Schritt 1 - Fügen Sie alle Fotos hinzu, die Sie bearbeiten möchten</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="68"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Schritt 2 - Legen Sie die Grafikfilter fest, die auf alle ausgewählten Fotos angewendet werden</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="69"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Schritt 3 - Wählen Sie den Ausgabepfad und das Bildformat für die bearbeiteten Fotos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="70"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Wenn Sie bereit sind, wählen Sie „Verarbeiten“, um alle Ihre Fotos bearbeiten zu lassen</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="74"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="91"/>
        <source>Not everything in the job file could be read as written:</source>
        <translation>Nicht alles in der Auftragsdatei konnte wie geschrieben gelesen werden:</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="106"/>
        <source>Photos are being processed. The file was not opened:
%1</source>
        <translation>Es werden gerade Fotos verarbeitet. Die Datei wurde nicht geöffnet:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="143"/>
        <source>Loading a profile will overwrite your settings. Continue?</source>
        <translation>Beim Laden eines Profils werden Ihre Einstellungen überschrieben. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="165"/>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Fügen Sie jetzt nur noch Ihre Fotos in Schritt 1 hinzu und passen Sie bei Bedarf die Einstellungen in Schritt 2 und Schritt 3 an.

Wenn Sie fertig sind, wählen Sie „Verarbeiten“.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="178"/>
        <source>Could not load profile.</source>
        <translation>Das Profil konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="202"/>
        <source>Could not load script.</source>
        <translation>Das Skript konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="301"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Profile Files (*.bqf)</source>
        <translation>Profildateien (*.bqf)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="333"/>
        <source>Could not save profile.</source>
        <translation>Das Profil konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Script Files (*.bqs)</source>
        <translation>Skriptdateien (*.bqs)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="362"/>
        <source>Could not save script.</source>
        <translation>Das Skript konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="384"/>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Ihre Einstellungen werden verworfen. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="440"/>
        <source>Would you like to save your settings?</source>
        <translation>Möchten Sie Ihre Einstellungen speichern?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="55"/>
        <source>There are no photos to process.</source>
        <translation>Es sind keine Fotos zu verarbeiten.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="63"/>
        <source>Ready to process %1 photos?</source>
        <translation>Bereit, %1 Fotos zu verarbeiten?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="69"/>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Vor der Verarbeitung muss ein Ausgabeordner für die bearbeiteten Fotos ausgewählt werden (Schritt 3 &gt; Ziel &gt; Ordner auf meinem Computer)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="77"/>
        <source>The output folder is not a full path:
%1</source>
        <translation>Der Ausgabeordner ist kein vollständiger Pfad:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="85"/>
        <source>The output folder path names a file, not a folder:
%1</source>
        <translation>Der Pfad des Ausgabeordners bezeichnet eine Datei, keinen Ordner:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="90"/>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>Der ausgewählte Ordner existiert nicht. Möchten Sie ihn jetzt erstellen?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="96"/>
        <source>Could not create the output folder %1: %2.</source>
        <translation>Der Ausgabeordner %1 konnte nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="104"/>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Sie haben gewählt, die Quellfotos nach dem Schreiben der bearbeiteten Fotos zu löschen. Fortfahren?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="116"/>
        <source>No photo was processed: the destination is not one that Step 3 offers. Choose one in Step 3 &gt; Destination.</source>
        <translation>Es wurde kein Foto verarbeitet: Das Ziel wird in Schritt 3 nicht angeboten. Wählen Sie eines in Schritt 3 &gt; Ziel.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="15"/>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Beschriftet mit einem ein- oder mehrzeiligen Textkommentar</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="16"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="35"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="88"/>
        <source>Stamps picture with date and time information</source>
        <translation>Versieht das Bild mit Datum und Uhrzeit</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="17"/>
        <source>Adds a text copyright notice</source>
        <translation>Fügt einen Copyright-Hinweis als Text hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="18"/>
        <source>Adds a copyright logo</source>
        <translation>Fügt ein Copyright-Logo hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="19"/>
        <source>Adds a simple shaped frame</source>
        <translation>Fügt einen einfachen Formrahmen hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="20"/>
        <source>Adds a grunge frame</source>
        <translation>Fügt einen Grunge-Rahmen hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="21"/>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Fügt unterschiedliche Masken für Hoch- und Querformatfotos hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="22"/>
        <source>Adds a classic picture frame</source>
        <translation>Fügt einen klassischen Bilderrahmen hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="23"/>
        <source>Adds a vintage frame</source>
        <translation>Fügt einen Vintage-Rahmen hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="24"/>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Erstellt einen Polaroid-ähnlichen Bilderrahmen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="25"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="50"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="98"/>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Hellt die Bildränder auf oder dunkelt sie ab, für einen erhabenen oder vertieften 3D-Effekt</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="26"/>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Versieht das Bild mit einem Schatteneffekt an den Rändern</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="27"/>
        <source>Adds a simple border around the picture</source>
        <translation>Fügt einen einfachen Rand um das Bild hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="28"/>
        <source>Makes picture hazy in appearance</source>
        <translation>Lässt das Bild verschwommen wirken</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="29"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="94"/>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Verwandelt das Bild in eine Kohlezeichnung</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="30"/>
        <source>Highlights edges in picture</source>
        <translation>Hebt die Kanten im Bild hervor</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="31"/>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Hebt die Kanten im Bild mit einem 3D-Effekt hervor</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="32"/>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Lässt das Bild mit dem Gaußschen Weichzeichner verschwommen wirken</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="33"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="95"/>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Wandelt Echtfarben in Graustufen um</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="46"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="96"/>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Erzeugt einen Implosionseffekt in der Bildmitte</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="35"/>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Ersetzt jedes Pixel durch seine Komplementärfarbe</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="36"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="38"/>
        <source>Adds noise to picture</source>
        <translation>Fügt dem Bild Rauschen hinzu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="37"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="48"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="97"/>
        <source>Makes picture look like an oil painting</source>
        <translation>Lässt das Bild wie ein Ölgemälde aussehen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="38"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="52"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="99"/>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Lässt das Bild älter und in wärmeren Farben aussehen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="39"/>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Lässt das Bild aussehen, als sei der Film während der Entwicklung belichtet worden</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="100"/>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Lässt das Bild wie eine Skulptur in Graustufen oder Echtfarben aussehen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="41"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="101"/>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Macht das Bild unscharf, indem Pixel zufällig verstreut werden</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="58"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="102"/>
        <source>Creates a twisting motion</source>
        <translation>Erzeugt eine Drehbewegung</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="43"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="60"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="103"/>
        <source>Creates a horizontal wave effect</source>
        <translation>Erzeugt einen horizontalen Welleneffekt</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="30"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="89"/>
        <source>Automatically adjusts contrast</source>
        <translation>Passt den Kontrast automatisch an</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="45"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="104"/>
        <source>Automatically adjusts gamma level</source>
        <translation>Passt den Gammawert automatisch an</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="46"/>
        <source>Automatically adjusts color levels</source>
        <translation>Passt die Farbwerte automatisch an</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="47"/>
        <source>Adjusts light intensity</source>
        <translation>Passt die Helligkeit an</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="48"/>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Verstärkt die Helligkeitsunterschiede zwischen hellen und dunklen Pixeln</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="49"/>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Passt die Farbkanäle Rot, Grün und Blau an</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="50"/>
        <source>Applies a histogram equalization</source>
        <translation>Wendet einen Histogrammausgleich an</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="51"/>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Korrigiert Farbton, Sättigung und Helligkeit</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="52"/>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Passt die Tonwerte an, indem die Farben zwischen dem angegebenen Weiß- und Schwarzpunkt auf den vollen verfügbaren Wertebereich gestreckt werden</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="53"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="90"/>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Verringert Rauschen durch schlechte Lichtverhältnisse oder Handykameras</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="91"/>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Schärft das Bild durch stärkeren Kantenkontrast</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="55"/>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Schärft das Bild mit den Optionen Radius und Schwellenwert</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="32"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="92"/>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Dreht Fotos automatisch anhand der von der Digitalkamera gespeicherten Informationen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="57"/>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Schneidet das Bild automatisch auf ein angegebenes Seitenverhältnis zu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="58"/>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Ersetzt eine RGB-Farbe oder den Alphakanal</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="59"/>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Schneidet einen rechteckigen Bereich aus dem Bild aus</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="60"/>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Spiegelt das Bild vertikal und/oder horizontal</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="61"/>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Ändert die Bildgröße in Pixel oder Prozent</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="62"/>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Passt Dokumentgröße und DPI-Auflösung an</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="63"/>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Verschiebt zyklisch vertikal oder horizontal um eine angegebene Anzahl Pixel</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="64"/>
        <source>Rotates by a specified number of degrees</source>
        <translation>Dreht um eine angegebene Gradzahl</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="65"/>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Erstellt eine kleine Miniatur aus dem Bild</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="66"/>
        <location filename="../Project/Interface/MainPanel2Names.cpp" line="45"/>
        <location filename="../Project/Interface/MainPanel3Format.cpp" line="13"/>
        <source>Keep original image format (if possible)</source>
        <translation>Originalbildformat beibehalten (wenn möglich)</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="25"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="26"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="27"/>
        <source>Shape Frame</source>
        <translation>Formrahmen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="28"/>
        <source>Grunge Frame</source>
        <translation>Grunge-Rahmen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="29"/>
        <source>Picture Frame</source>
        <translation>Bilderrahmen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="30"/>
        <source>Vintage Frame</source>
        <translation>Vintage-Rahmen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="31"/>
        <source>Raise</source>
        <translation>Relief</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="32"/>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="33"/>
        <source>Simple Border</source>
        <translation>Einfacher Rand</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="31"/>
        <source>Auto Rotate</source>
        <translation>Automatisch drehen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="35"/>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="36"/>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="37"/>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="70"/>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="71"/>
        <source>Border</source>
        <translation>Rand</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="72"/>
        <source>Transform</source>
        <translation>Transformieren</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="50"/>
        <source>Photo not found</source>
        <translation>Foto nicht gefunden</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="59"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="60"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="61"/>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="73"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="67"/>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="70"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="72"/>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="17"/>
        <source>Convert to JPEG with High Quality</source>
        <translation>In JPEG mit hoher Qualität umwandeln</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="18"/>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>In das JPEG-Format mit hoher Qualität (90%) umwandeln; das ergibt größere Dateien.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="20"/>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>In JPEG mit mittlerer Qualität umwandeln</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="21"/>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>In das JPEG-Format mit mittlerer Qualität (75%) umwandeln; das ergibt mittelgroße Dateien.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="23"/>
        <source>Convert to PDF Album</source>
        <translation>In PDF-Album umwandeln</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="24"/>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Ein einziges PDF-Album aus allen hinzugefügten Fotos erstellen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="25"/>
        <source>Convert to PNG</source>
        <translation>In PNG umwandeln</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="26"/>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>Für beste Qualität in das PNG-Format umwandeln.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="27"/>
        <source>Convert to TIFF</source>
        <translation>In TIFF umwandeln</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="28"/>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>Für beste Qualität in das TIFF-Format umwandeln.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="29"/>
        <source>Auto Contrast</source>
        <translation>Automatischer Kontrast</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="34"/>
        <source>Add Date and Time</source>
        <translation>Datum und Uhrzeit hinzufügen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="36"/>
        <source>Reduce Noise</source>
        <translation>Rauschen verringern</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="39"/>
        <source>Adjust Sharpness</source>
        <translation>Schärfe anpassen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="41"/>
        <source>Effect Black &amp; White</source>
        <translation>Effekt Schwarzweiß</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="43"/>
        <source>Effect Charcoal</source>
        <translation>Effekt Kohlezeichnung</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="45"/>
        <source>Effect Implode</source>
        <translation>Effekt Implosion</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="47"/>
        <source>Effect Oil Painting</source>
        <translation>Effekt Ölgemälde</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="49"/>
        <source>Effect Raise</source>
        <translation>Effekt Relief</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="51"/>
        <source>Effect Sepia</source>
        <translation>Effekt Sepia</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="53"/>
        <source>Effect Shade</source>
        <translation>Effekt Schattierung</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="55"/>
        <source>Effect Spread</source>
        <translation>Effekt Streuung</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="57"/>
        <source>Effect Swirl</source>
        <translation>Effekt Wirbel</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="59"/>
        <source>Effect Wave</source>
        <translation>Effekt Welle</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="61"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Nach Ordnernamen umbenennen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="62"/>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Wenn Fotos in einem Ordner mit aussagekräftigem Namen liegen, benennt dieses Profil alle enthaltenen Bilder nach dem Ordnernamen um</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="64"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Nach Aufnahmedatum umbenennen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="65"/>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Benennt eine Reihe von Fotos nach ihrem Aufnahmedatum um und fügt einen Zähler hinzu, um gleichzeitig aufgenommene Fotos zu unterscheiden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="68"/>
        <source>Resize for Auction Site</source>
        <translation>Verkleinern für Auktionsseiten</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="69"/>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Fotos stark verkleinern (400x300) zum Hochladen auf Auktionsseiten wie eBay</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="70"/>
        <source>Resize for Sending via Email</source>
        <translation>Verkleinern für den E-Mail-Versand</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="71"/>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Fotos verkleinern (1280x960) zum Versand als E-Mail-Anhang</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="72"/>
        <source>Resize for Uploading Online</source>
        <translation>Verkleinern zum Hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="73"/>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Fotos verkleinern (1600x1200) zum Hochladen auf Seiten wie Facebook, Picasa oder zum Teilen mit Freunden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="75"/>
        <source>Send via E-mail</source>
        <translation>Per E-Mail senden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="76"/>
        <source>Send photos via E-mail</source>
        <translation>Fotos per E-Mail senden</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="77"/>
        <source>Upload to Twitpic</source>
        <translation>Zu Twitpic hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="78"/>
        <source>Upload photos to Twitpic</source>
        <translation>Fotos zu Twitpic hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="79"/>
        <source>Upload to Picasa</source>
        <translation>Zu Picasa hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="80"/>
        <source>Upload photos to Picasa</source>
        <translation>Fotos zu Picasa hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="81"/>
        <source>Upload to Facebook</source>
        <translation>Zu Facebook hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="82"/>
        <source>Upload photos to Facebook</source>
        <translation>Fotos zu Facebook hochladen</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="87"/>
        <source>Auto Gamma</source>
        <translation>Automatisches Gamma</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="69"/>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="32"/>
        <location filename="../Project/Core/TempFolder.cpp" line="93"/>
        <source>cannot create %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="37"/>
        <source>cannot examine %1: %2</source>
        <translation>%1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="40"/>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist ein symbolischer Link</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="42"/>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="44"/>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="46"/>
        <source>cannot restrict %1: %2</source>
        <translation>Rechte von %1 können nicht eingeschränkt werden: %2</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <location filename="../Project/Core/Utils.cpp" line="255"/>
        <source>Nothing could open %1. Please open it yourself.</source>
        <translation>%1 konnte von keinem Programm geöffnet werden. Bitte öffnen Sie es selbst.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Project/Interface/main.cpp" line="20"/>
        <source>A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>Eine Anzeige wird benötigt (DISPLAY oder WAYLAND_DISPLAY); ohne sie geben Sie ein Skript zum Ausführen an: brandquill /pfad/zu/auftrag.bqs</translation>
    </message>
    <message>
        <location filename="../Project/Interface/main.cpp" line="22"/>
        <source>The display %1 could not be opened, and the window needs one; without it, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>Die Anzeige %1 konnte nicht geöffnet werden, und das Fenster benötigt eine; ohne sie geben Sie ein Skript zum Ausführen an: brandquill /pfad/zu/auftrag.bqs</translation>
    </message>
</context>
</TS>
