<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>marvola::EntryLogWindow</name>
    <message>
        <source>Entry log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Competitor or team number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All disciplines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old or new value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change of this match has been logged yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newest first; the log of %1 is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>marvola::MainWindow</name>
    <message>
        <source>Changes are not logged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 change in the entry log was made on another state of this match (it was saved elsewhere or replaced since) and is not restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n changes in the entry log were made on another state of this match (it was saved elsewhere or replaced since) and are not restored.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 change made after the last save, at %1, was not saved. Restore it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n changes made after the last save, the last at %1, were not saved. Restore them?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
