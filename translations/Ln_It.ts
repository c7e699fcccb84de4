<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CCheckNew</name>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="14"/>
        <source>Check for New Version</source>
        <translation>Cerca nuova versione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="61"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="68"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="190"/>
        <source>Brandquill will now look for a newer version on the Internet. You can change how often it checks, or turn the check off, in Settings.</source>
        <translation>Brandquill cercherà ora una versione più recente su Internet. Può modificare la frequenza del controllo, o disattivarlo, nelle Impostazioni.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="245"/>
        <source>A new version of Brandquill is available: %1.
You are using version %2.</source>
        <translation>È disponibile una nuova versione di Brandquill: %1.
Sta usando la versione %2.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="248"/>
        <source>You are using the latest version of Brandquill (%1).</source>
        <translation>Sta usando la versione più recente di Brandquill (%1).</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="258"/>
        <source>Could not check for a new version. Please try again later.</source>
        <translation>Impossibile cercare una nuova versione. Riprovi più tardi.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="398"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="427"/>
        <source>Applying &apos;%1&apos; filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="478"/>
        <source>Zooming</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="14"/>
        <source>Ghostscript</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="20"/>
        <source>Reading this document type needs Ghostscript, which could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="45"/>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="26"/>
        <source>Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="215"/>
        <source>Y&amp;es</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="225"/>
        <source>N&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="235"/>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="249"/>
        <source>&amp;Yes to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="259"/>
        <source>&amp;No to All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="269"/>
        <source>&amp;Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="86"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="14"/>
        <source>Rename Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="22"/>
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="56"/>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="66"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwriteRename.cpp" line="68"/>
        <source>A photo with the same name already exists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="20"/>
        <source>Edit Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="49"/>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="98"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="123"/>
        <source>Cases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="144"/>
        <source>Change cases to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="152"/>
        <source>Unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="157"/>
        <source>lowercases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="162"/>
        <source>UPPERCASES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="167"/>
        <source>Mixed Cases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="188"/>
        <source>Use lower-case for extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="201"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="277"/>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="222"/>
        <source>Start at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="242"/>
        <source>Step by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="262"/>
        <source>Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="285"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="278"/>
        <source>Date/Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="306"/>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="314"/>
        <source>Original photo date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="319"/>
        <source>Current date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="327"/>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="398"/>
        <source>Time format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="424"/>
        <source>Show time as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="448"/>
        <source>Search &amp;&amp; Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="469"/>
        <source>Search for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="480"/>
        <source>Replace with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="509"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="529"/>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="539"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="274"/>
        <source>Source Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="275"/>
        <source>Source Folder Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="276"/>
        <source>Source Extension</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="84"/>
        <source>Tip text</source>
        <translation>Testo del suggerimento</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="134"/>
        <source>Don&apos;t show this tip again</source>
        <translation>Non mostrare più questo suggerimento</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="154"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFtpClient</name>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="133"/>
        <source>A name or account text holds a line break; it was not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="154"/>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="181"/>
        <source>Not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="228"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="235"/>
        <source>Aborted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="14"/>
        <source>Brandquill - Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="76"/>
        <location filename="../Project/Forms/CProcessController.ui" line="105"/>
        <source>ha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="169"/>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="179"/>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="202"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="127"/>
        <source>Show log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="119"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="608"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="207"/>
        <source>Process started at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="208"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="213"/>
        <source>Creating a single multi-page document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="215"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="216"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="228"/>
        <source>Failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="402"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="415"/>
        <source>Upload not completed. Abort the operation?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="516"/>
        <source>Process interrupted by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="518"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="520"/>
        <source>Process completed without errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="521"/>
        <source>Time elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="544"/>
        <source>Could not save log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="580"/>
        <source>Uploading to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="580"/>
        <source>Uploading to Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="609"/>
        <source>Uploading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="647"/>
        <source>Successfuly uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="653"/>
        <source>Deleting temporary files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="657"/>
        <source>Upload completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="657"/>
        <source>Upload failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="147"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="282"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="300"/>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="298"/>
        <source>Failed to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="234"/>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="30"/>
        <source>Failed to load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="260"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="342"/>
        <source>Processed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="344"/>
        <source>Processed and renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="346"/>
        <source>Processed and replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="348"/>
        <source>Skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="46"/>
        <source>Failed to Rename and Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="46"/>
        <source>Failed to Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="47"/>
        <source>Failed to Rename and Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="47"/>
        <source>Failed to Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScripts</name>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="30"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="89"/>
        <source>no answer within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="98"/>
        <source>Upload interrupted by the user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="141"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="141"/>
        <source>Could not open default mail client.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="142"/>
        <source>The photos are kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="173"/>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="174"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Brandquill may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="30"/>
        <source>Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="128"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="166"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="181"/>
        <source>Flickr authorisation failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="147"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="208"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="214"/>
        <source>Failed to upload %1 to Flickr: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="181"/>
        <source>the web browser could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="187"/>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="188"/>
        <source>Allow Brandquill to upload to your Flickr account in the browser window that has opened, then type the code that Flickr shows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="196"/>
        <source>Flickr authorisation was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="209"/>
        <source>the name holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="33"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="95"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="161"/>
        <source>Could not connect to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="33"/>
        <source>not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="102"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="164"/>
        <source>Login to %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="111"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="167"/>
        <source>Could not open the folder %1 on the server: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="121"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="140"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="173"/>
        <source>Failed to upload %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="96"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="111"/>
        <source>Wi&amp;zard</source>
        <translation>&amp;Procedura guidata</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="123"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="127"/>
        <source>&amp;Tutorials</source>
        <translation>&amp;Esercitazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="142"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="151"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="164"/>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="172"/>
        <source>&amp;Load Profile</source>
        <translation>&amp;Carica profilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="175"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="180"/>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="185"/>
        <source>Save Profile As</source>
        <translation>Salva profilo con nome</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="190"/>
        <source>Save Script</source>
        <translation>Salva script</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="195"/>
        <source>Save Script As</source>
        <translation>Salva script con nome</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="200"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="205"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="208"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="216"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="219"/>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="227"/>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="232"/>
        <source>Show &amp;Log</source>
        <translation>Mostra &amp;registro</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="237"/>
        <source>Select Pr&amp;ofile</source>
        <translation>Seleziona pr&amp;ofilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="242"/>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Passo 1 - Aggiungi &amp;foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="250"/>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Passo 2 - &amp;Modifica foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="258"/>
        <source>Step 3 - &amp;Setup</source>
        <translation>Passo 3 - &amp;Configurazione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="266"/>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="61"/>
        <source>Process</source>
        <translation>Elabora</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="274"/>
        <source>&amp;Help Manual</source>
        <translation>&amp;Manuale della guida</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="279"/>
        <source>Check for &amp;New Version</source>
        <translation>Cerca &amp;nuova versione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="284"/>
        <source>&amp;Online Support</source>
        <translation>&amp;Assistenza online</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="289"/>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Visita il nostro sito web</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="294"/>
        <source>&amp;About Us</source>
        <translation>&amp;Informazioni su di noi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="299"/>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Come &amp;ridimensionare e ruotare le foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="295"/>
        <source>The log file will be created after the first processing session.</source>
        <translation>Il file di registro verrà creato dopo la prima sessione di elaborazione.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowTheme.cpp" line="109"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>È necessario riavviare Brandquill per rendere effettive le modifiche.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="40"/>
        <source>Wizard Steps</source>
        <translation>Passi della procedura guidata</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="61"/>
        <source>Add Photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="61"/>
        <source>Edit Photos</source>
        <translation>Modifica foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="61"/>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="71"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Passo 1 - Aggiunga tutte le foto che desidera modificare</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="73"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Passo 2 - Imposti i filtri grafici che verranno applicati a tutte le foto selezionate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="74"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Passo 3 - Selezioni il percorso di uscita e il formato immagine per le foto modificate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="75"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Quando è pronto, selezioni Elabora per modificare tutte le foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="79"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="15"/>
        <source>Annotates with a single or multi-line text comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="16"/>
        <source>Stamps picture with date and time information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="17"/>
        <source>Adds a text copyright notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="18"/>
        <source>Adds a copyright logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="19"/>
        <source>Adds a simple shaped frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="20"/>
        <source>Adds a grunge frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="21"/>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="22"/>
        <source>Adds a classic picture frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="23"/>
        <source>Adds a vintage frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="24"/>
        <source>Creates a Polaroid-like picture frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="25"/>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="26"/>
        <source>Gives picture a shadow effect around the edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="27"/>
        <source>Adds a simple border around the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="28"/>
        <source>Makes picture hazy in appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="29"/>
        <source>Transforms picture to a charcoal sketch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="30"/>
        <source>Highlights edges in picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="31"/>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="32"/>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="33"/>
        <source>Transforms from true colors to grayscale colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="34"/>
        <source>Creates an implosion effect in the center of the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="35"/>
        <source>Replaces every pixel with its complementary color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="36"/>
        <source>Adds noise to picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="37"/>
        <source>Makes picture look like an oil painting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="38"/>
        <source>Makes picture look older, in warmer colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="39"/>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="40"/>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="41"/>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="42"/>
        <source>Creates a twisting motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="43"/>
        <source>Creates a horizontal wave effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="44"/>
        <source>Automatically adjusts contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="45"/>
        <source>Automatically adjusts gamma level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="46"/>
        <source>Automatically adjusts color levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="47"/>
        <source>Adjusts light intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="48"/>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="49"/>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="50"/>
        <source>Applies a histogram equalization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="51"/>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="52"/>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="53"/>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="54"/>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="55"/>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="56"/>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="57"/>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="58"/>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="59"/>
        <source>Cuts a rectangular subregion from the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="60"/>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="61"/>
        <source>Adjusts image size using pixels or percents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="62"/>
        <source>Adjusts document size and DPI resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="63"/>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="64"/>
        <source>Rotates by a specified number of degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="65"/>
        <source>Creates a small thumbnail from the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="66"/>
        <source>Keep original image format (if possible)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="25"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="26"/>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="27"/>
        <source>Shape Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="28"/>
        <source>Grunge Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="29"/>
        <source>Picture Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="30"/>
        <source>Vintage Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="31"/>
        <source>Raise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="32"/>
        <source>Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="33"/>
        <source>Simple Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="34"/>
        <source>Auto Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="35"/>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="36"/>
        <source>Resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="37"/>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="70"/>
        <source>Marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="71"/>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="72"/>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="50"/>
        <source>Photo not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="59"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="60"/>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="61"/>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="71"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="67"/>
        <source>Dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="70"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="72"/>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="30"/>
        <source>%1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="37"/>
        <source>cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="42"/>
        <source>cannot examine %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="45"/>
        <source>%1 is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="47"/>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="49"/>
        <source>%1 belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="51"/>
        <source>cannot restrict %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
