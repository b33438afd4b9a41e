function test(aa,bb){

	cc = aa + bb;

        return  cc;

}