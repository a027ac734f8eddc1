[asm]
ACname="  spaced  "
Pilotname='x'
[file]
Emblem= a.gif 
AC=""
