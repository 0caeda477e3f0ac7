# Copies a text with Windows line ends: Windows 7's Notepad shows a text with Unix ones as a single
# line. Usage: cmake -DIN=text -DOUT=copy -P to_crlf.cmake
file(READ ${IN} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
