<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ClassModel</name>
    <message numerus="yes">
        <source>Needs teaching, each missed %n times or more: %1</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>
            <numerusform>Needs teaching, each missed %n time or more: %1</numerusform>
            <numerusform>Needs teaching, each missed %n times or more: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassScreen</name>
    <message numerus="yes">
        <source>Class overview: %n pupils</source>
        <translation>
            <numerusform>Class overview: %n pupil</numerusform>
            <numerusform>Class overview: %n pupils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n with facts to teach</source>
        <extracomment>Follows &quot;Class overview: 12 pupils&quot;.</extracomment>
        <translation>
            <numerusform>, %n with facts to teach</numerusform>
            <numerusform>, %n with facts to teach</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LinkWords</name>
    <message numerus="yes">
        <source>Kept on this PC · class server reachable, %n answers waiting</source>
        <translation>
            <numerusform>Kept on this PC · class server reachable, %n answer waiting</numerusform>
            <numerusform>Kept on this PC · class server reachable, %n answers waiting</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server unreachable since %1, %n answers waiting</source>
        <extracomment>%1 is a time (&quot;10:41&quot;), or a day and time when the outage began before today.</extracomment>
        <translation>
            <numerusform>Kept on this PC · class server unreachable since %1, %n answer waiting</numerusform>
            <numerusform>Kept on this PC · class server unreachable since %1, %n answers waiting</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message numerus="yes">
        <source>%n days</source>
        <extracomment>Only after &quot;on&quot;, as in &quot;practised on 3 days&quot;: write the count in the form that &quot;on&quot; asks for (German &quot;an 3 Tagen&quot;).</extracomment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right.</source>
        <translation>
            <numerusform>%1: %n answer, %2 right.</numerusform>
            <numerusform>%1: %n answers, %2 right.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right, median %3.</source>
        <extracomment>%1 is a time: &quot;Today&quot;; %2 a share: &quot;85 %&quot;; %3 seconds: &quot;2.4 seconds&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n answer, %2 right, median %3.</numerusform>
            <numerusform>%1: %n answers, %2 right, median %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>%1 is a figure with one decimal: &quot;1.0&quot;, &quot;2.4&quot;; the form is chosen by its whole part (1 for &quot;1.5&quot;). Where a decimal figure takes the plural (&quot;1,0 Sekunden&quot;), give the plural in every form.</extracomment>
        <translation>
            <numerusform>%1 seconds</numerusform>
            <numerusform>%1 seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n known</source>
        <comment>facts</comment>
        <extracomment>How many facts are known, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n known</numerusform>
            <numerusform>%n known</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n learning</source>
        <comment>facts</comment>
        <extracomment>How many facts are being learnt (asked, the latest answer right, not yet known), inside a sentence.</extracomment>
        <translation>
            <numerusform>%n learning</numerusform>
            <numerusform>%n learning</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missed lately</source>
        <comment>facts</comment>
        <extracomment>How many facts were missed lately, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n missed lately</numerusform>
            <numerusform>%n missed lately</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not asked yet</source>
        <comment>facts</comment>
        <extracomment>How many facts were not asked yet, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n not asked yet</numerusform>
            <numerusform>%n not asked yet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message numerus="yes">
        <source>The name is too long for a file name: it has %n characters, and only the first %1 of them fit.</source>
        <extracomment>%n characters in the name; %1 of them fit.</extracomment>
        <translation>
            <numerusform>The name is too long for a file name: it has %n character, and only the first %1 of them fit.</numerusform>
            <numerusform>The name is too long for a file name: it has %n characters, and only the first %1 of them fit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: it has %n characters, and a name can have at most %1.</source>
        <extracomment>%n characters in the name; %1 is the most a name can have.</extracomment>
        <translation>
            <numerusform>The name is too long: it has %n character, and a name can have at most %1.</numerusform>
            <numerusform>The name is too long: it has %n characters, and a name can have at most %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenLog</name>
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Report shown: %n answer.</numerusform>
            <numerusform>Report shown: %n answers.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimeTrialScreen</name>
    <message numerus="yes">
        <source>%n seconds left.</source>
        <translation>
            <numerusform>%n second left.</numerusform>
            <numerusform>%n seconds left.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time is up. You answered %n right in %1 seconds.</source>
        <translation>
            <numerusform>Time is up. You answered %n right in %1 seconds.</numerusform>
            <numerusform>Time is up. You answered %n right in %1 seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorksheetScreen</name>
    <message numerus="yes">
        <source>%n problems added from My Facts  --  %1 problems on the worksheet.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n problem added from My Facts  --  %1 on the worksheet.</numerusform>
            <numerusform>%n problems added from My Facts  --  %1 problems on the worksheet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n problem added from My Facts, with its answer. Problems on the worksheet: %1.</numerusform>
            <numerusform>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added before the worksheet was full; %2 is the most it holds.</extracomment>
        <translation>
            <numerusform>Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 problems.</numerusform>
            <numerusform>Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 problems.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added; %2 is the most a worksheet holds.</extracomment>
        <translation>
            <numerusform>%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 problems.</numerusform>
            <numerusform>%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 problems.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>progress::ProgressActions</name>
    <message numerus="yes">
        <source>The time for a quick answer could not be changed to %n seconds.</source>
        <translation>
            <numerusform>The time for a quick answer could not be changed to %n second.</numerusform>
            <numerusform>The time for a quick answer could not be changed to %n seconds.</numerusform>
        </translation>
    </message>
</context>
</TS>
