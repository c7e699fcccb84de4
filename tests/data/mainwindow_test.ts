<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+Shift+N</translation>
    </message>
</context>
</TS>
