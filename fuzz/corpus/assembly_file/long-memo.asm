[asm]
ACname=Ç÷Ç¡Ç€Ç±ÇPçÜ
Pilotname=Ç÷Ç¡Ç€Ç±ÉåÉCÉuÉì
head=1
core=1
arm=1
leg=4
gene=1
fcs=1
boost=1
armwp=1
blade=1
bwpr=1
bwpl=0
opt1=0
opt2=1
opt3=0
opt4=0
opt5=0
opt6=0
opt7=0
opt8=0
opt9=0
opt10=0
opt11=1
opt12=0
opt13=0
[color]
HEAD=HEAD,323628,162012,182412,121812
CORE=CORE,323628,162012,182412,121812
ARMS=ARMS,323628,162012,182412,121812
LEGS=LEGS,323628,162012,182412,121812
[logic]
1=0
2=50
3=50
4=50
5=50
6=50
7=0
[acmemo]
[acmemo]
0=line 0
1=line 1
2=line 2
3=line 3
4=line 4
5=line 5
6=line 6
7=line 7
8=line 8
9=line 9
10=line 10
11=line 11
12=line 12
3=
4=   
[file]
Emblem=none.gif
AC=none.gif
