4.0
M
0
145	
16
MS Sans Serif
0
8
0
0
0
0
